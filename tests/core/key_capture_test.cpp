// Which key a capture takes, the names a page shows, and a capture that
// outlives its page.
#include "core_test_env.h"
#include "keys/key_name_text.h"

namespace dk::testing {
namespace {

struct ScanCase {
    const char* what;
    std::vector<int> keysDown;
    KeyCode code;      // what the item shows
    uint8_t slotByte;  // what the game's table holds
    KeyboardLayout layout = fake::kUsLayout;
    std::vector<int> downBeforeEnter = {};  // already down when the capture begins
};

class KeyScanTest : public CoreTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(KeyScanTest, HighestKeyDownIsBound) {
    const ScanCase& c = GetParam();
    windows->gameLayout = windows->ownLayout = c.layout;
    StartAndInstall();
    fake::SetFakeSlotByte(29, 7);
    OpenPage("mymovementkeys");
    for (int key : c.downBeforeEnter) fake::PressKey(key);
    PressEnterOn("mymovementkeys", "29");
    fake::AdvanceClock(300);
    for (int key : c.keysDown) fake::PressKey(key);
    EXPECT_EQ(ControllerTick(), TickEnd::CaptureTookKey);
    EXPECT_EQ(Item("mymovementkeys", "29").value, c.code);
    EXPECT_EQ(fake::FakeSlotByte(29), c.slotByte);
    EXPECT_EQ(BindingOverrides[29].overrideCode, KeyCodeOfByte(c.slotByte));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyScanTest,
    ::testing::Values(
        // Windows reports left Shift as both 16 and 160; 160 is met first.
        ScanCase{"leftShift", {kVkShift, kVkLShift}, 42, 42},
        ScanCase{"rightControl", {kVkControl, kVkRControl}, 157, 157},
        ScanCase{"twoLettersHigherWins", {'A', 'Q'}, 16, 16},
        ScanCase{"leftMouse", {kVkLButton}, 222, 0xDE},
        ScanCase{"capsLock", {kVkCapital}, 58, 58},
        ScanCase{"pageUp", {kVkPrior}, 201, 201},
        ScanCase{"apostrophe", {kVkOem7}, 40, 40},
        ScanCase{"rightAlt", {kVkMenu, kVkRMenu}, 184, 184},
        // A key without a code is passed over for a lower one that has one.
        ScanCase{"unknownKeyPassedOver", {254, kVkLWin, 'A'}, 30, 30},
        // A key held since before the capture began counts only after its release.
        ScanCase{"heldOverKeyPassedOver", {'F'}, 33, 33, fake::kUsLayout, {'Z'}},
        // The place of the key pressed on the player's keyboard, not of US Z.
        ScanCase{"azertyZ", {'Z'}, 17, 17, fake::kAzertyLayout},
        ScanCase{"azertyExclamationMark", {0xDF}, 53, 53, fake::kAzertyLayout},
        ScanCase{"qwertzY", {'Y'}, 44, 44, fake::kQwertzLayout},
        ScanCase{"azertyRightControl", {kVkControl, kVkRControl}, 157, 157, fake::kAzertyLayout}),
    [](const auto& info) { return std::string(info.param.what); });

// A layout switched just before a page is entered shows its names on that
// page at once, not at the next once-a-second look.
TEST_F(CoreTest, PageEntryShowsTheLayoutSwitchedTo) {
    fake::SetFakeSlotByte(17, 17);
    StartAndInstall();
    TickAt(2000);  // the once-a-second look runs and sees US
    ASSERT_EQ(std::u16string(KeyNameWide(17)), u"W");
    windows->gameLayout = fake::kAzertyLayout;
    fake::ShowPage("mymovementkeys");
    TickAt(2100);
    const KeyCode shown = Item("mymovementkeys", "17").value;
    EXPECT_EQ(shown, 17);
    EXPECT_EQ(std::u16string(KeyNameWide(shown)), u"Z");
}

// The middle button, the Windows keys and the like bind nothing: the item keeps
// waiting and neither the table nor the file changes.
TEST_F(CoreTest, OnlyKeysWithoutACodeKeepTheCaptureWaiting) {
    StartAndInstall();
    OpenPage("mymovementkeys");
    const std::string fileBefore = IniText();
    const uint8_t slotBefore = fake::FakeSlotByte(17);
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(300);
    for (int key : {kVkMButton, kVkLWin, kVkSnapshot, kVkF24, 254}) fake::PressKey(key);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ControllerTick(), TickEnd::CaptureNoKey);
    EXPECT_EQ(Item("mymovementkeys", "17").value, PRESS_A_KEY);
    EXPECT_EQ(fake::FakeSlotByte(17), slotBefore);
    EXPECT_EQ(IniText(), fileBefore);
    EXPECT_TRUE(controller.capturing);
    EXPECT_EQ(CaptureKey(kVkCapital), TickEnd::CaptureTookKey);
    EXPECT_EQ(fake::FakeSlotByte(17), 58);
}

// Typing into a chat window while the game waits in the background.
TEST_F(CoreTest, KeysTypedIntoAnotherWindowDoNothingInPlay) {
    fake::SetFakeSlotByte(kTorchToggleAction, 20);  // T, kept by the re-apply
    StartAndInstall();
    fake::FakeWeapon& lamp = fake::PutWeapon(0, 1);
    fake::EnterPlay();
    ControllerTick();
    fake::PressKey('T');
    ControllerTick();
    fake::ReleaseKey('T');
    ASSERT_TRUE(lamp.lit);
    fake::OtherProgramInFront();
    fake::SetFakeSlotByte(17, 99);
    for (int i = 0; i < 30; ++i) {
        fake::PressKey('T');
        ControllerTick();
        fake::ReleaseKey('T');
        ControllerTick();
    }
    EXPECT_EQ(lamp.torchOffCalls, 0);
    EXPECT_GT(lamp.torchOnCalls, 5);  // kept lit all the same
    EXPECT_EQ(game->log.size(), 1u);
    EXPECT_EQ(fake::FakeSlotByte(17), 0);  // and the bindings kept forced
    fake::GameInFront();
    ControllerTick();
    fake::PressKey('T');
    ControllerTick();
    EXPECT_EQ(lamp.torchOffCalls, 1);
}

TEST_F(CoreTest, KeysTypedIntoAnotherWindowDoNothingOnAPage) {
    StartAndInstall();
    OpenPage("mymovementkeys");
    fake::OtherProgramInFront();
    EXPECT_EQ(PressEnterOn("mymovementkeys", "17"), TickEnd::PressNotTaken);
    EXPECT_FALSE(controller.capturing);
    fake::GameInFront();
    ControllerTick();
    ASSERT_EQ(PressEnterOn("mymovementkeys", "17"), TickEnd::PressTaken);
    fake::AdvanceClock(300);
    fake::OtherProgramInFront();
    EXPECT_EQ(CaptureKey('K'), TickEnd::CaptureNoKey);
    EXPECT_EQ(Item("mymovementkeys", "17").value, PRESS_A_KEY);
    // Back by Alt+Tab, Alt still down: Alt is not the key, the next one is.
    fake::PressKey(kVkMenu);
    fake::PressKey(kVkLMenu);
    fake::GameInFront();
    EXPECT_EQ(ControllerTick(), TickEnd::CaptureNoKey);
    EXPECT_EQ(CaptureKey('F'), TickEnd::CaptureTookKey);
    EXPECT_EQ(fake::FakeSlotByte(17), 33);
    EXPECT_EQ(Item("mymovementkeys", "17").value, 33);
}

TEST_F(CoreTest, EnterPressedAgainAfterReleaseBindsEnter) {
    StartAndInstall();
    OpenPage("mymovementkeys");
    PressEnterOn("mymovementkeys", "11");
    fake::AdvanceClock(300);
    EXPECT_EQ(ControllerTick(), TickEnd::CaptureNoKey);  // the release is seen
    EXPECT_EQ(CaptureKey(kVkReturn), TickEnd::CaptureTookKey);
    EXPECT_EQ(fake::FakeSlotByte(11), 28);
}

TEST_F(CoreTest, CaptureHeldAcrossLeavingIsFinishedOnTheOtherPage) {
    fake::SetFakeSlotByte(0, 57);
    StartAndInstall();
    OpenPage("mymovementkeys");
    PressEnterOn("mymovementkeys", "17");
    fake::FakeItem& forward = Item("mymovementkeys", "17");
    ASSERT_EQ(forward.value, PRESS_A_KEY);

    // In play with a capture pending: no torch step, no re-apply.
    fake::ShowPage("");
    fake::SetFakeSlotByte(kTorchToggleAction, 20);  // T
    fake::FakeWeapon& lamp = fake::PutWeapon(0, 1);
    fake::EnterPlay();
    fake::PressKey('T');
    fake::SetFakeSlotByte(18, 99);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(ControllerTick(), TickEnd::NoCustomPage);
    fake::ReleaseKey('T');
    EXPECT_EQ(lamp.torchOnCalls, 0);
    EXPECT_EQ(fake::FakeSlotByte(18), 99);
    EXPECT_TRUE(controller.capturing);

    // The other page: its entry refresh runs, and the next key binds the first page's item.
    OpenPage("myactionkeys");
    EXPECT_EQ(fake::FakeSlotByte(18), 0);
    EXPECT_EQ(Item("myactionkeys", "0").value, 57);
    EXPECT_EQ(CaptureKey('E'), TickEnd::CaptureTookKey);
    EXPECT_EQ(forward.value, 18);
    EXPECT_EQ(fake::FakeSlotByte(17), 18);
    EXPECT_EQ(Item("myactionkeys", "0").value, 57);
    EXPECT_FALSE(controller.capturing);
    EXPECT_EQ(controller.pendingItem, nullptr);
    EXPECT_EQ(windows->lockDepth, 0);
    EXPECT_EQ(windows->maxLockDepth, 1);
}

TEST_F(CoreTest, TorchStepRunsInPlayOnlyWithoutCapture) {
    StartAndInstall();
    fake::SetFakeSlotByte(kTorchToggleAction, 20);  // T
    fake::FakeWeapon& lamp = fake::PutWeapon(0, 1);
    fake::EnterPlay();
    ControllerTick();  // the first tick in front: a key down then would be held over
    fake::PressKey('T');
    ControllerTick();
    EXPECT_EQ(lamp.torchOnCalls, 1);
    fake::ReleaseKey('T');
    fake::ShowPage("myactionkeys");
    fake::PressKey('T');  // on a custom page the torch key is left alone
    ControllerTick();
    EXPECT_EQ(lamp.torchOnCalls + lamp.torchOffCalls, 1);
}

}  // namespace
}  // namespace dk::testing
