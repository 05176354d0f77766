// The binding file is written on exactly three occasions: the first start, a
// captured key that recorded an override, and a reset; and a save that failed
// is tried again at the once-a-second checks until it works.
#include <cstring>
#include <vector>

#include "core_test_env.h"

namespace dk::testing {
namespace {

class SaveOccasionsTest : public CoreTest {
protected:
    int Saves() const { return windows->replaceCalls; }

    // Captures 'Q' for the item, after renaming it as the game would let it be named.
    void CaptureFor(fake::FakeItem& item, const char* name) {
        item.name = {name, static_cast<int32_t>(std::strlen(name))};
        fake::ClearSelection("mymovementkeys");
        item.selected = true;
        ControllerTick();  // Enter seen up
        fake::PressKey(kVkReturn);
        ASSERT_EQ(ControllerTick(), TickEnd::PressTaken);
        fake::ReleaseKey(kVkReturn);
        fake::AdvanceClock(300);
        ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
        fake::AdvanceClock(400);
    }
};

TEST_F(SaveOccasionsTest, SavedExactlyOnTheThreeOccasions) {
    StartAndInstall();
    EXPECT_EQ(Saves(), 1);  // no file at the first start

    OpenPage("mymovementkeys");
    fake::ShowPage("");
    for (int i = 0; i < 60; ++i) ControllerTick();  // leaving, and periodic re-applies
    EXPECT_EQ(Saves(), 1);

    OpenPage("mymovementkeys");
    EXPECT_EQ(PressEnterOn("mymovementkeys", "controls"), TickEnd::PressTaken);  // the "apply" link
    EXPECT_EQ(Saves(), 1);
    fake::AdvanceClock(400);

    fake::FakeItem& item = Item("mymovementkeys", "17");
    CaptureFor(item, "17");
    EXPECT_EQ(Saves(), 2);

    CaptureFor(item, "6");  // the game's action 6 is not offered for rebinding
    EXPECT_EQ(fake::FakeSlotByte(6), 16);
    EXPECT_FALSE(BindingOverrides[6].overrideSet);
    EXPECT_EQ(Saves(), 2);

    fake::SetFakeSlotByte(6, 0);
    CaptureFor(item, "60");  // outside the table: only the item changes
    EXPECT_EQ(item.value, 16);
    for (int slot = 0; slot < fake::kBindingSlotCount; ++slot) {
        if (slot != 17) {
            EXPECT_EQ(fake::FakeSlotByte(slot), 0) << slot;
        }
    }
    EXPECT_EQ(Saves(), 2);

    item.name = {"17", 2};
    PressEnterOn("mymovementkeys", "reset_button");
    EXPECT_EQ(Saves(), 3);
}

// What keeps a save from reaching the disk, switched on and off.
struct HeldFileCase {
    const char* what;
    void (*hold)(fake::FakePlatformState& windows, const std::string& ini, bool held);
};

class FailedSaveRetryTest : public SaveOccasionsTest, public ::testing::WithParamInterface<HeldFileCase> {};

// Each check tries the save again until one try works; then nothing more is written.
TEST_P(FailedSaveRetryTest, KeepsTheBindingAndTriesAgainAtEachCheck) {
    StartAndInstall();
    const std::string before = IniText();
    OpenPage("mymovementkeys");
    GetParam().hold(*windows, iniPath.string(), true);
    const int tries = SaveTries();
    CaptureFor(Item("mymovementkeys", "17"), "17");
    EXPECT_EQ(Item("mymovementkeys", "17").value, 16);
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    for (int check = 1; check <= 3; ++check) {
        NextCheck();
        EXPECT_EQ(SaveTries(), tries + 1 + check) << "check " << check;
        EXPECT_EQ(IniText(), before) << "check " << check;
        EXPECT_FALSE(std::filesystem::exists(iniPath.string() + ".tmp")) << "check " << check;
    }
    GetParam().hold(*windows, iniPath.string(), false);
    NextCheck();
    EXPECT_EQ(SaveTries(), tries + 5);
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos);
    NextCheck();
    EXPECT_EQ(SaveTries(), tries + 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedSaveRetryTest,
    ::testing::Values(
        HeldFileCase{"replace_refused", [](fake::FakePlatformState& w, const std::string&, bool held) {
                         w.failReplace = held;
                     }},
        HeldFileCase{"flush_fails", [](fake::FakePlatformState& w, const std::string&, bool held) {
                         w.failFlush = held;
                     }},
        HeldFileCase{"temporary_file_not_created", [](fake::FakePlatformState& w, const std::string& ini, bool held) {
                         w.lockedPath = held ? ini + ".tmp" : "";
                     }}),
    [](const auto& info) { return std::string(info.param.what); });

// A folder that never becomes writable: a try a second for the first minute,
// then one in ten seconds; none while a key is awaited. The tick count wraps
// between two of the slow tries.
TEST_F(SaveOccasionsTest, RetriesSlowDownAfterAMinute) {
    StartAndInstall();
    windows->now = 0xFFFFFFFFu - 90000u;
    OpenPage("mymovementkeys");
    windows->failReplace = true;
    CaptureFor(Item("mymovementkeys", "17"), "17");
    const uint32_t failedAt = windows->fileCalls.back().at;
    const size_t retriesFrom = windows->fileCalls.size();
    for (int i = 0; i < 180; ++i) NextCheck();
    std::vector<uint32_t> tries;
    for (size_t i = retriesFrom; i < windows->fileCalls.size(); ++i) {
        if (windows->fileCalls[i].what == "open DuskvaleKeys.ini.tmp wb") tries.push_back(windows->fileCalls[i].at);
    }
    ASSERT_GE(tries.size(), 2u);
    int fast = 0, slow = 0;
    uint32_t previous = failedAt;
    for (uint32_t at : tries) {
        const uint32_t gap = at - previous;
        if (static_cast<uint32_t>(at - failedAt) < 60000) {
            ++fast;
            EXPECT_TRUE(gap >= 1000 && gap <= 1000 + kCheck) << gap;
        } else {
            ++slow;
            EXPECT_TRUE(gap >= 10000 && gap <= 10000 + kCheck) << gap;
        }
        previous = at;
    }
    EXPECT_GE(fast, 50);   // about one a second for a minute...
    EXPECT_GE(slow, 10);   // ...then about one in ten seconds for two minutes

    const int before = SaveTries();
    PressEnterOn("mymovementkeys", "18");
    for (int i = 0; i < 30; ++i) NextCheck();
    EXPECT_TRUE(controller.capturing);
    EXPECT_EQ(SaveTries(), before);
}

}  // namespace
}  // namespace dk::testing
