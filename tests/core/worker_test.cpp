// The worker's whole life, run until a test stops it from inside a sleep.
#include "core_test_env.h"

namespace dk::testing {
namespace {

struct StopWorker {};

PlatformInterface stoppable;
void (*fakeSleep)(uint32_t) = nullptr;
uint32_t showStartAt = 0;
uint32_t stopAt = 0;

// Every wait of the worker is a sleep: the clock moves, the game shows "start"
// when its time comes, and the worker is stopped by an exception at the end.
void SleepThenMaybeStop(uint32_t milliseconds) {
    fakeSleep(milliseconds);
    const uint32_t now = fake::FakePlatform().now;
    if (now >= showStartAt && fake::FakeHost().shownPage.empty()) fake::ShowPage("start");
    if (now >= stopAt) throw StopWorker{};
}

class WorkerTest : public CoreTest {
protected:
    void RunUntil(uint32_t startShown, uint32_t stop) {
        stoppable = Platform();
        fakeSleep = stoppable.sleep;
        stoppable.sleep = SleepThenMaybeStop;
        InstallPlatform(&stoppable);
        showStartAt = startShown;
        stopAt = stop;
        EXPECT_THROW(RunWorker(), StopWorker);
    }
};

TEST_F(WorkerTest, UnknownGameBuildWritesNothingIntoTheGame) {
    game->knownGameBuild = false;
    fake::ResetFakeBindingTable(0xA5);
    fake::ShowPage("start");
    RunWorker();  // returns at once
    EXPECT_EQ(game->redirectCalls, 0);
    EXPECT_TRUE(game->pages.size() == 2 && game->items.size() == 2);  // the game's own
    EXPECT_EQ(Item("controls", "movementkeys").name.length, 12);
    for (int i = 0; i < fake::kBindingTableBytes; ++i) EXPECT_EQ(fake::FakeBindingTable()[i], 0xA5) << i;
    EXPECT_FALSE(std::filesystem::exists(iniPath));
    EXPECT_TRUE(windows->sleeps.empty());
    EXPECT_EQ(windows->lockInits, 0);
}

TEST_F(WorkerTest, FailedKeyNameRedirectStillInstallsAndRunsTheLoop) {
    game->redirectSucceeds = false;
    RunUntil(1000, 2000);
    EXPECT_EQ(game->redirectCalls, 1);
    EXPECT_EQ(windows->lockInits, 1);
    EXPECT_TRUE(pagesInstalled);
    EXPECT_TRUE(std::filesystem::exists(iniPath));
    // Five polls before "start", the installation's own 200, then 50 ms ticks.
    const std::vector<uint32_t> head{200, 200, 200, 200, 200, 200, 50, 50};
    ASSERT_GE(windows->sleeps.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), windows->sleeps.begin()));
    EXPECT_EQ(windows->now, 2000u);
}

}  // namespace
}  // namespace dk::testing
