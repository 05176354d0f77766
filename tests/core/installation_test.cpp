// The wait for "start" and the one-time installation into the frontend.
#include "core_test_env.h"

namespace dk::testing {
namespace {

size_t RegisteredCustomPages() {
    size_t count = 0;
    for (const char* name : {"mymovementkeys", "myactionkeys"}) count += fake::FindFakePage(name) != nullptr;
    return count;
}

TEST_F(CoreTest, InstallsOnceWhenStartFirstShown) {
    RunStartup();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(WaitStep());
    EXPECT_EQ(windows->sleeps, (std::vector<uint32_t>{200, 200, 200}));
    EXPECT_EQ(RegisteredCustomPages(), 0u);

    fake::ShowPage("start");
    EXPECT_TRUE(WaitStep());
    EXPECT_TRUE(pagesInstalled);
    EXPECT_EQ(windows->sleeps.back(), 200u);
    const size_t pagesBuilt = game->pages.size();

    fake::ShowPage("");
    EXPECT_TRUE(WaitStep());
    fake::ShowPage("start");
    EXPECT_TRUE(WaitStep());
    InstallPlugin();
    EXPECT_EQ(game->pages.size(), pagesBuilt);
    EXPECT_EQ(RegisteredCustomPages(), 2u);
    EXPECT_EQ(windows->replaceCalls, 1);
    EXPECT_EQ(windows->lockDepth, 0);
}

TEST_F(CoreTest, ControlsLinksOpenTheCustomPages) {
    StartAndInstall();
    EXPECT_EQ(fake::FindFakeItem("controls", "movementkeys"), nullptr);
    EXPECT_EQ(fake::FindFakeItem("controls", "actionkeys"), nullptr);
    fake::FakeItem& movement = Item("controls", "mymovementkeys");
    EXPECT_EQ(movement.name.length, 14);
    EXPECT_EQ(Item("controls", "myactionkeys").name.length, 12);
}

TEST_F(CoreTest, MissingActionLinkLeavesTheOtherRedirected) {
    ASSERT_TRUE(fake::RemoveItem("controls", "movementkeys"));
    StartAndInstall();
    EXPECT_NE(fake::FindFakeItem("controls", "myactionkeys"), nullptr);
    EXPECT_EQ(fake::FindFakeItem("controls", "mymovementkeys"), nullptr);
}

TEST_F(CoreTest, NoControlsPageStillInstallsAndRuns) {
    fake::FindFakePage("controls")->pageName = {"options", 7};
    StartAndInstall();
    EXPECT_TRUE(pagesInstalled);
    EXPECT_EQ(RegisteredCustomPages(), 2u);
    EXPECT_NE(fake::FindFakeItem("options", "movementkeys"), nullptr);
    OpenPage("mymovementkeys");
    EXPECT_EQ(PressEnterOn("mymovementkeys", "17"), TickEnd::PressTaken);
}

// The frontend answers "start" and is gone by the time the pages would be
// registered: nothing is called on the missing manager, and the first tick
// that finds it there again registers the pages and redirects the links.
TEST_F(CoreTest, FrontendMissingAtInstallationIsLinkedOnALaterTick) {
    RunStartup();
    fake::ShowPage("start");
    game->managerAnswers = 1;
    ASSERT_TRUE(WaitStep());
    EXPECT_EQ(RegisteredCustomPages(), 0u);
    EXPECT_NE(fake::FindFakeItem("controls", "movementkeys"), nullptr);
    ControllerTick();
    EXPECT_EQ(RegisteredCustomPages(), 0u);
    EXPECT_EQ(game->callsOnMissingManager, 0);

    game->managerAnswers = -1;
    ControllerTick();
    ControllerTick();
    EXPECT_EQ(RegisteredCustomPages(), 2u);
    EXPECT_EQ(game->manager.size(), 4u);
    EXPECT_NE(fake::FindFakeItem("controls", "mymovementkeys"), nullptr);
    EXPECT_NE(fake::FindFakeItem("controls", "myactionkeys"), nullptr);
    EXPECT_EQ(windows->lockDepth, 0);
}

TEST_F(CoreTest, ExistingFileIsNeitherSeededNorWritten) {
    const std::string file = "17=Q\r\n";
    WriteIni(file);
    fake::SetFakeSlotByte(18, 31);
    StartAndInstall();
    EXPECT_EQ(windows->replaceCalls, 0);
    EXPECT_EQ(IniText(), file);
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    EXPECT_EQ(fake::FakeSlotByte(18), 31);
    EXPECT_FALSE(BindingOverrides[18].overrideSet);
}

TEST_F(CoreTest, FileRemovedBeforeStartKeepsLoadedAndSeedsTheRest) {
    WriteIni("17=Q\r\n");
    fake::SetFakeSlotByte(18, 31);
    RunStartup();
    std::filesystem::remove(iniPath);
    fake::ShowPage("start");
    ASSERT_TRUE(WaitStep());
    EXPECT_EQ(windows->replaceCalls, 1);
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos);
    EXPECT_NE(IniText().find("18=S ; MOVE_BACKWARDS"), std::string::npos);
    for (ActionIndex action : MappableActions) EXPECT_TRUE(BindingOverrides[action].overrideSet);
}

TEST_F(CoreTest, DirectoryInPlaceOfFileCountsAsMissing) {
    std::filesystem::create_directory(iniPath);
    fake::SetFakeSlotByte(18, 31);
    StartAndInstall();
    EXPECT_EQ(BindingOverrides[18].overrideCode, 31);  // seeded
    EXPECT_TRUE(std::filesystem::is_directory(iniPath));
    EXPECT_TRUE(pagesInstalled);
}

}  // namespace
}  // namespace dk::testing
