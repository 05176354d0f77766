// One rebinding from the first start to the file read at the next start.
#include "core_test_env.h"

namespace dk::testing {
namespace {

class RebindingRoadTest : public CoreTest {};

TEST_F(RebindingRoadTest, KeyChosenOnThePageReachesGameTableFileAndNextStart) {
    fake::SetFakeSlotByte(17, 17);  // the game's own W for MOVE_FORWARD
    ASSERT_FALSE(std::filesystem::exists(iniPath));
    StartAndInstall();
    EXPECT_EQ(game->redirectCalls, 1);
    EXPECT_TRUE(std::filesystem::exists(iniPath));  // first start: the game's bindings written down
    EXPECT_NE(fake::FindFakeItem("controls", "mymovementkeys"), nullptr);

    OpenPage("mymovementkeys");
    fake::FakeItem& forward = Item("mymovementkeys", "17");
    EXPECT_EQ(forward.value, 17);

    EXPECT_EQ(PressEnterOn("mymovementkeys", "17"), TickEnd::PressTaken);
    EXPECT_EQ(forward.value, PRESS_A_KEY);
    EXPECT_TRUE(controller.capturing);

    // Right Control: a key above 127, which the game's byte holds as 0x9D.
    EXPECT_EQ(CaptureKey(kVkRControl), TickEnd::CaptureTookKey);
    EXPECT_EQ(forward.value, 157);
    EXPECT_EQ(fake::FakeSlotByte(17), 0x9D);
    EXPECT_FALSE(controller.capturing);
    EXPECT_NE(IniText().find("17=RCONTROL ; MOVE_FORWARD"), std::string::npos);

    // The game puts its own key back: forced back within a second.
    fake::SetFakeSlotByte(17, 17);
    fake::AdvanceClock(1001);
    ControllerTick();
    EXPECT_EQ(fake::FakeSlotByte(17), 0x9D);
    OpenPage("myactionkeys");
    OpenPage("mymovementkeys");
    EXPECT_EQ(forward.value, 157);  // entered again: still the key, by name

    // Next start: a fresh game holding W again, the file read at start-up.
    game = &fake::InstallFakeHost();
    fake::SetFakeSlotByte(17, 17);
    ClearBindingStore();
    ResetCustomPages();
    ResetWorkerState();
    ForgetBindingFilePath();
    ResetBindingFileWatch();
    const int savesBefore = windows->replaceCalls;
    StartAndInstall();
    EXPECT_EQ(windows->replaceCalls, savesBefore);  // the file exists: not written
    EXPECT_EQ(fake::FakeSlotByte(17), 0x9D);
    OpenPage("mymovementkeys");
    EXPECT_EQ(Item("mymovementkeys", "17").value, 157);
    EXPECT_EQ(Item("mymovementkeys", "17").selectable, 1);  // built selectable, so rebindable
    EXPECT_EQ(PressEnterOn("mymovementkeys", "17"), TickEnd::PressTaken);
}

}  // namespace
}  // namespace dk::testing
