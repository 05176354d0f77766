// When an Enter press on a custom page counts, and when a capture may scan.
#include "core_test_env.h"

namespace dk::testing {
namespace {

using Sleeps = std::vector<uint32_t>;
const Sleeps kPressTakenSleeps{150, 50};
const Sleeps kShortSleep{50};

struct PressCase {
    const char* what;
    uint32_t arrival;    // tick at which the page is first seen
    uint32_t pressAfter; // ms after arrival at which Enter goes down
    bool taken;
};

class EnterPressGateTest : public CoreTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(EnterPressGateTest, PressCountsOnlyPastBothGates) {
    const PressCase& c = GetParam();
    StartAndInstall();
    fake::ShowPage("mymovementkeys");
    fake::SelectItem("mymovementkeys", "17");
    TickAt(c.arrival);
    TickAt(c.arrival + 50);  // Enter seen up
    fake::PressKey(kVkReturn);
    EXPECT_EQ(TickAt(c.arrival + c.pressAfter) == TickEnd::PressTaken, c.taken);
    EXPECT_EQ(controller.capturing, c.taken);
    EXPECT_EQ(lastSleeps, c.taken ? kPressTakenSleeps : kShortSleep);
}

INSTANTIATE_TEST_SUITE_P(
    Gates, EnterPressGateTest,
    ::testing::Values(PressCase{"at300", 5000, 300, false},
                      PressCase{"after300", 5000, 301, true},
                      PressCase{"wrapAt300", 0xFFFFFFA0u, 300, false},
                      PressCase{"wrapAfter300", 0xFFFFFFA0u, 301, true},
                      // Allowed-at set just before the wrap still lets presses through
                      // once the clock has wrapped.
                      PressCase{"allowedAtBeforeWrapPassesAfterWrap", 0xFFFFFF00u, 301, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(CoreTest, EnterHeldOnArrivalStartsNothingUntilReleasedAndPressedAgain) {
    StartAndInstall();
    fake::SelectItem("mymovementkeys", "17");
    fake::PressKey(kVkReturn);  // the Enter that opened the page
    fake::ShowPage("mymovementkeys");
    for (uint32_t t = 1000; t <= 3000; t += 50) EXPECT_EQ(TickAt(t), TickEnd::PressNotTaken);
    fake::ReleaseKey(kVkReturn);
    EXPECT_EQ(TickAt(3050), TickEnd::PressNotTaken);
    EXPECT_FALSE(controller.capturing);
    fake::PressKey(kVkReturn);
    EXPECT_EQ(TickAt(3100), TickEnd::PressTaken);
    EXPECT_TRUE(controller.capturing);
}

// A press is its going down: Enter held for seconds resets once, and Enter
// held to bind Enter itself binds once and starts no second capture.
TEST_F(CoreTest, EnterHeldIsOnePress) {
    StartAndInstall();
    OpenPage("mymovementkeys");
    const int saves = windows->replaceCalls;
    fake::SelectItem("mymovementkeys", "reset_button");
    fake::PressKey(kVkReturn);
    for (int i = 0; i < 40; ++i) ControllerTick();
    fake::ReleaseKey(kVkReturn);
    EXPECT_EQ(windows->replaceCalls, saves + 1);

    ControllerTick();
    ASSERT_EQ(PressEnterOn("mymovementkeys", "11"), TickEnd::PressTaken);
    fake::AdvanceClock(300);
    ControllerTick();  // the release is seen
    fake::PressKey(kVkReturn);
    int captures = 0;
    for (int i = 0; i < 40; ++i) captures += ControllerTick() == TickEnd::CaptureTookKey ? 1 : 0;
    EXPECT_EQ(captures, 1);
    EXPECT_FALSE(controller.capturing);
    EXPECT_EQ(fake::FakeSlotByte(11), 28);
    EXPECT_EQ(windows->replaceCalls, saves + 2);
}

struct CaptureDelayCase {
    const char* what;
    uint32_t press;
};

class CaptureDelayTest : public CoreTest, public ::testing::WithParamInterface<CaptureDelayCase> {};

TEST_P(CaptureDelayTest, KeyTakenOnlyAfterEnterUpAndMoreThan200ms) {
    const uint32_t press = GetParam().press;
    StartAndInstall();
    fake::ShowPage("mymovementkeys");
    fake::SelectItem("mymovementkeys", "17");
    TickAt(press - 400);
    TickAt(press - 350);
    fake::PressKey(kVkReturn);
    ASSERT_EQ(TickAt(press), TickEnd::PressTaken);
    fake::PressKey('Q');
    EXPECT_EQ(TickAt(press + 250), TickEnd::CaptureAwaitingRelease);  // Enter still down
    EXPECT_EQ(lastSleeps, Sleeps{30});
    fake::ReleaseKey(kVkReturn);
    EXPECT_EQ(TickAt(press + 100), TickEnd::CaptureTooSoon);
    EXPECT_EQ(TickAt(press + 200), TickEnd::CaptureTooSoon);
    EXPECT_EQ(lastSleeps, kShortSleep);
    EXPECT_EQ(fake::FakeSlotByte(17), 0);
    EXPECT_EQ(TickAt(press + 201), TickEnd::CaptureTookKey);
    EXPECT_EQ(lastSleeps, kPressTakenSleeps);
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
}

INSTANTIATE_TEST_SUITE_P(Delay, CaptureDelayTest,
                         ::testing::Values(CaptureDelayCase{"plain", 5000},
                                           CaptureDelayCase{"acrossWrap", 0xFFFFFFC0u}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(CoreTest, NoKeyDownKeepsTheCaptureWaiting) {
    StartAndInstall();
    OpenPage("mymovementkeys");
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(500);
    EXPECT_EQ(ControllerTick(), TickEnd::CaptureNoKey);
    EXPECT_EQ(ControllerTick(), TickEnd::CaptureNoKey);
    EXPECT_TRUE(controller.capturing);
    EXPECT_EQ(Item("mymovementkeys", "17").value, PRESS_A_KEY);
}

class ReapplyTest : public CoreTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(ReapplyTest, OverridesForcedBackOnlyAfterMoreThanASecond) {
    const uint32_t start = GetParam();
    StartAndInstall();  // no file: every mappable action seeded with the game's 0
    TickAt(start);      // in play: the first tick re-applies
    fake::SetFakeSlotByte(17, 99);
    EXPECT_EQ(TickAt(start + 1000), TickEnd::NoCustomPage);
    EXPECT_EQ(lastSleeps, kShortSleep);
    EXPECT_EQ(fake::FakeSlotByte(17), 99);
    TickAt(start + 1001);
    EXPECT_EQ(fake::FakeSlotByte(17), 0);
    fake::SetFakeSlotByte(6, 99);  // not mappable: never forced
    TickAt(start + 2500);
    EXPECT_EQ(fake::FakeSlotByte(6), 99);
}

INSTANTIATE_TEST_SUITE_P(Reapply, ReapplyTest, ::testing::Values(5000u, 0xFFFFFE00u));

}  // namespace
}  // namespace dk::testing
