#include "features/torch_toggle.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "keys/game_keyboard.h"
#include "log/plugin_log.h"
#include "keys/keyboard_layout.h"
#include "keys/virtual_key_codes.h"
#include "keys/virtual_keys.h"
#include "support/fake_binding_table.h"
#include "support/fake_host.h"
#include "support/fake_platform.h"
#include "support/log_lines.h"

namespace dk {
namespace {

using fake::FakeWeapon;

constexpr uint8_t kTorchKeyCode = 20;  // T

class TorchToggleTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::InstallFakeHost();
        fake::InstallFakePlatform().now = 1000;
        ResetTorchToggle();
        ResetKeyboardLayout();
        ResetGameKeyboard();
        FollowGameFocus();  // the game in front, no key held over
        fake::SetFakeSlotByte(kTorchToggleAction, kTorchKeyCode);
        ASSERT_TRUE(KeyCodeToVirtualKey(kTorchKeyCode, key));
        fake::EnterPlay();
        fake::SetSlotWords(3, -2, -2, -2, -2);
        weapon = &fake::PutWeapon(3, 1);
    }

    // Key down for one poll, then up for one poll.
    void Press() {
        fake::PressKey(key);
        TorchStep();
        fake::ReleaseKey(key);
        TorchStep();
    }

    static std::string LogFor(const char* state, FakeWeapon& lit) {
        char line[128];
        std::snprintf(line, sizeof line, "[KM] Torch toggle: %s (weapon=%p)", state,
                      static_cast<void*>(fake::AsWeapon(lit)));
        return line;
    }

    int key = 0;
    FakeWeapon* weapon = nullptr;
};

TEST_F(TorchToggleTest, HeldKeyTogglesOnceAndLogsEachChange) {
    fake::PressKey(key);
    for (int i = 0; i < 4; ++i) TorchStep();
    fake::ReleaseKey(key);
    TorchStep();
    EXPECT_EQ(weapon->torchOnCalls, 1);
    Press();
    EXPECT_EQ(weapon->torchOffCalls, 1);
    EXPECT_FALSE(weapon->lit);

    const auto& log = fake::FakeHost().log;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].channel, kHostLogChannel);
    EXPECT_EQ(log[0].text, LogFor("ON", *weapon));
    EXPECT_EQ(log[1].text, LogFor("OFF", *weapon));
}

TEST_F(TorchToggleTest, NoKeyOrUnpollableCodeDoesNothing) {
    // No key captures these, so none polls them.
    for (uint8_t code : {0, 0xFF, 84, 156 /* keypad Enter */}) {
        SCOPED_TRACE(static_cast<int>(code));
        fake::SetFakeSlotByte(kTorchToggleAction, code);
        for (int vk = 0; vk < 256; ++vk) fake::PressKey(vk);
        TorchStep();
        EXPECT_FALSE(torchToggle.torchKeyWasDown);
        EXPECT_EQ(weapon->torchOnCalls + weapon->torchOffCalls, 0);
        EXPECT_TRUE(fake::FakeHost().log.empty());
        EXPECT_TRUE(fake::FakeHost().playerRecord.itemQueries.empty());
    }
}

// The slot is read as a key, not a signed byte: keys above 127 work as well.
TEST_F(TorchToggleTest, AnyCapturableKeyWorksAsTheTorchKey) {
    const struct {
        uint8_t slotByte;
        int virtualKey;
    } cases[] = {{58, kVkCapital}, {0x9D, kVkRControl}, {0xC8, kVkUp}, {0xC9, kVkPrior},
                 {12, kVkOemMinus}, {0xDE, kVkLButton}, {0xE3, kVkXButton2}};
    int presses = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.slotByte));
        fake::SetFakeSlotByte(kTorchToggleAction, c.slotByte);
        fake::PressKey(c.virtualKey);
        TorchStep();
        fake::ReleaseKey(c.virtualKey);
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls + weapon->torchOffCalls, ++presses);
    }
}

// A code names a place: on AZERTY the key at US Q's place is labelled A.
TEST_F(TorchToggleTest, KeyIsPolledAtItsPlaceOnThePlayersKeyboard) {
    fake::FakePlatform().gameLayout = fake::kAzertyLayout;
    LookForLayoutChange(fake::kGameThread);
    fake::SetFakeSlotByte(kTorchToggleAction, 16);
    const struct {
        int virtualKey;
        int toggles;
    } presses[] = {{'Q', 0}, {'A', 1}};
    for (const auto& press : presses) {
        fake::PressKey(press.virtualKey);
        TorchStep();
        fake::ReleaseKey(press.virtualKey);
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls + weapon->torchOffCalls, press.toggles) << press.virtualKey;
    }
}

// Unbinding a lit torch's key ends the step before the torch is kept lit or
// the weapon is looked up, so nothing of the torch's state changes.
TEST_F(TorchToggleTest, UnboundKeyStopsKeepingTheTorchLit) {
    Press();
    ASSERT_EQ(weapon->torchOnCalls, 1);
    fake::SetFakeSlotByte(kTorchToggleAction, 0);
    fake::AdvanceClock(1000);
    TorchStep();
    EXPECT_EQ(weapon->torchOnCalls, 1);
    EXPECT_TRUE(torchToggle.torchOn);
    EXPECT_EQ(torchToggle.lastWeapon, fake::AsWeapon(*weapon));
}

// Unbinding forgets that the key was down, so rebinding while it is held is a press.
TEST_F(TorchToggleTest, UnbindingWhileHeldForgetsTheKey) {
    fake::PressKey(key);
    TorchStep();
    fake::SetFakeSlotByte(kTorchToggleAction, 0);
    TorchStep();
    fake::SetFakeSlotByte(kTorchToggleAction, kTorchKeyCode);
    TorchStep();
    EXPECT_EQ(weapon->torchOnCalls, 1);
    EXPECT_EQ(weapon->torchOffCalls, 1);
}

TEST_F(TorchToggleTest, NewWeaponStartsDarkAndOldTorchIsLeftAlone) {
    Press();
    FakeWeapon& other = fake::PutWeapon(4, 1);
    fake::SetSlotWords(4, -2, -2, -2, -2);
    TorchStep();
    EXPECT_FALSE(torchToggle.torchOn);
    EXPECT_EQ(torchToggle.lastWeapon, fake::AsWeapon(other));
    EXPECT_EQ(weapon->torchOffCalls, 0);
    EXPECT_TRUE(weapon->lit);
    Press();
    EXPECT_EQ(other.torchOnCalls, 1);
    EXPECT_EQ(fake::FakeHost().log.back().text, LogFor("ON", other));
}

TEST_F(TorchToggleTest, LitTorchIsReassertedOnlyAfterMoreThan250Ms) {
    for (uint32_t start : {1000u, 0xFFFFFF80u /* the tick count wraps on the way */}) {
        SCOPED_TRACE(start);
        SetUp();
        fake::FakePlatform().now = start;
        fake::PressKey(key);
        TorchStep();  // on, at `start`
        fake::AdvanceClock(250);
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls, 1);
        fake::AdvanceClock(1);
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls, 2);
        fake::AdvanceClock(250);  // counted from the re-assertion
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls, 2);
        fake::AdvanceClock(1);
        TorchStep();
        EXPECT_EQ(weapon->torchOnCalls, 3);
        EXPECT_EQ(fake::FakeHost().log.size(), 1u);
    }
}

TEST_F(TorchToggleTest, DarkTorchIsNotReasserted) {
    Press();
    Press();
    fake::AdvanceClock(1000);
    TorchStep();
    EXPECT_EQ(weapon->torchOnCalls, 1);
}

TEST_F(TorchToggleTest, SlotWordsInRangeAreTriedInOrder) {
    const struct { int32_t words[5]; int32_t capableSlot; std::vector<int32_t> queries; } cases[] = {
        {{-1, -2, -2, -2, -2}, -1, {-1}},
        {{65, -2, 64, -2, 7}, 7, {64, 7}},
        {{-2, -3, 65, 1000, -1}, -1, {-1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.capableSlot);
        fake::InstallFakeHost();
        FakeWeapon& capable = fake::PutWeapon(c.capableSlot, 1);
        fake::FakePlayer& player = fake::EnterPlay();
        fake::SetSlotWords(c.words[0], c.words[1], c.words[2], c.words[3], c.words[4]);
        EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(&player)), fake::AsWeapon(capable));
        EXPECT_EQ(player.itemQueries, c.queries);
    }
}

TEST_F(TorchToggleTest, FallsBackToFirstCapableOfSlotsZeroToFifteen) {
    fake::InstallFakeHost();
    fake::FakePlayer& player = fake::EnterPlay();
    fake::PutWeaponWithoutAttachment(0);
    fake::PutWeapon(1, 0);  // an attachment without a torch
    FakeWeapon& first = fake::PutWeapon(9, 1);
    fake::PutWeapon(12, 1);
    fake::SetSlotWords(0, 1, -2, -2, -2);
    EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(&player)), fake::AsWeapon(first));
    const std::vector<int32_t> queries = {0, 1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(player.itemQueries, queries);

    first.attachment->torchWord = 0;
    fake::PutWeaponWithoutAttachment(12);
    EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(&player)), nullptr);
}

// A faulting inventory lookup also ends the search there: the slots after it
// are not asked on a record that is changing.
TEST_F(TorchToggleTest, GuardedReadFaultsYieldNoWeapon) {
    using Fault = bool fake::Faults::*;
    const struct { Fault fault; size_t lookups; } cases[] = {
        {&fake::Faults::readInventory, 0}, {&fake::Faults::getInventoryItem, 1},
        {&fake::Faults::readAttachment, 17}, {&fake::Faults::readTorchWord, 17}};
    for (const auto& c : cases) {
        fake::FakeHost().faults = {};
        fake::FakeHost().faults.*c.fault = true;
        fake::FakeHost().playerRecord.itemQueries.clear();
        EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(fake::FakeHost().player)), nullptr);
        EXPECT_EQ(fake::FakeHost().playerRecord.itemQueries.size(), c.lookups);
    }
    fake::FakeHost().faults = {};
    fake::FakeHost().playerRecord.inventory = nullptr;
    EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(fake::FakeHost().player)), nullptr);
    EXPECT_EQ(FindCurrentWeapon(nullptr), nullptr);
    EXPECT_FALSE(IsTorchCapable(nullptr));
}

TEST_F(TorchToggleTest, FaultingSlotWordIsSkipped) {
    FakeWeapon& second = fake::PutWeapon(5, 1);
    fake::SetSlotWords(3, 5, -2, -2, -2);
    fake::FakeHost().faults.readSlotWord[0] = true;
    EXPECT_EQ(FindCurrentWeapon(reinterpret_cast<PlayerRecord*>(fake::FakeHost().player)), fake::AsWeapon(second));
}

TEST_F(TorchToggleTest, TorchCallFaultsAreSwallowed) {
    fake::FakeHost().faults.torchOn = true;
    fake::FakeHost().faults.torchOff = true;
    Press();
    EXPECT_TRUE(torchToggle.torchOn);
    Press();
    EXPECT_FALSE(torchToggle.torchOn);
    EXPECT_EQ(weapon->torchOnCalls + weapon->torchOffCalls, 0);
    EXPECT_EQ(fake::FakeHost().log.size(), 2u);
}

// Each kind of fault is told to the plug-in's log once per start, however
// often the torch step meets it.
TEST_F(TorchToggleTest, EachKindOfFaultIsLoggedOnce) {
    const std::string logPath = "/tmp/dk_torch_faults_" + std::to_string(getpid()) + ".log";
    ASSERT_TRUE(OpenPluginLog(logPath));
    const struct {
        void (*fault)(fake::Faults&);
        const char* told;
    } cases[] = {
        {[](fake::Faults& f) { f.readInventory = true; }, "reading the player's inventory pointer"},
        {[](fake::Faults& f) { f.readSlotWord[0] = true; }, "reading the inventory's current slot"},
        {[](fake::Faults& f) { f.getInventoryItem = true; },
         "in the game's inventory call, looking up the item of a slot"},
        {[](fake::Faults& f) { f.readAttachment = true; }, "reading a weapon's attachment pointer"},
        {[](fake::Faults& f) { f.readTorchWord = true; }, "reading a weapon attachment's torch word"},
        {[](fake::Faults& f) { f.torchOn = true; }, "in the game's torch call, lighting a torch"},
        {[](fake::Faults& f) { f.torchOff = true; }, "in the game's torch call, putting a torch out"},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        fake::FakeHost().faults = {};
        c.fault(fake::FakeHost().faults);
        for (int i = 0; i < 3; ++i) Press();
        expected.push_back(std::string("fault caught ") + c.told +
                           "; the torch toggle carries on (told once per start)");
    }
    ClosePluginLog();
    EXPECT_EQ(fake::LogLinesOf(logPath), expected);
    for (const std::string& line : expected) EXPECT_TRUE(ReportsTrouble(line)) << line;
    std::remove(logPath.c_str());
}

TEST_F(TorchToggleTest, NoPlayerLeavesTheStateButTakesThePress) {
    Press();
    const TorchToggleState before = torchToggle;
    fake::LeavePlay();
    fake::PressKey(key);
    fake::AdvanceClock(1000);
    TorchStep();
    EXPECT_EQ(torchToggle.lastWeapon, before.lastWeapon);
    EXPECT_TRUE(torchToggle.torchOn);
    EXPECT_EQ(torchToggle.lastTorchTick, before.lastTorchTick);
    fake::EnterPlay();
    TorchStep();  // the same hold: no toggle, but the torch is kept lit
    EXPECT_EQ(weapon->torchOffCalls, 0);
    EXPECT_EQ(weapon->torchOnCalls, 2);
}

TEST_F(TorchToggleTest, LosingTheWeaponForgetsTheTorch) {
    Press();
    fake::FakeHost().faults.readInventory = true;
    TorchStep();
    EXPECT_EQ(torchToggle.lastWeapon, nullptr);
    EXPECT_FALSE(torchToggle.torchOn);
    EXPECT_EQ(torchToggle.lastTorchTick, 0u);
}

}  // namespace
}  // namespace dk
