// What the plug-in tells its log as a player's start and play go: each line
// as it is written, only when there is something to tell, never under the lock.
#include <regex>

#include "bindings/file_bytes.h"
#include "core/plugin_start.h"
#include "core/start_log.h"
#include "core_test_env.h"
#include "log/plugin_log.h"
#include "support/log_lines.h"

namespace dk::testing {
namespace {

using Lines = std::vector<std::string>;

// The lines that dkcheck shows a player as trouble.
Lines Troubles(const Lines& lines) {
    Lines troubles;
    for (const std::string& line : lines)
        if (ReportsTrouble(line)) troubles.push_back(line);
    return troubles;
}

class LogLinesTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        ResetPluginStart();
        ClaimStart(StartEntry::DllMain);
        windows->now = 5000;
    }

    void TearDown() override {
        EXPECT_EQ(windows->timeAskedUnderLock, 0) << "a line was written under ControllerLock";
        ClosePluginLog();
        ResetPluginStart();
        CoreTest::TearDown();
    }

    std::string LogPath() const { return (folder / "DuskvaleKeys.log").string(); }
    std::vector<std::string> Logged() const { return fake::LogLinesOf(LogPath()); }
    std::string Ini() const { return iniPath.string(); }

    // The worker's first steps, up to the wait for the game's first page.
    void Start() {
        BeginPluginLog();
        ASSERT_TRUE(GameBuildRecognised());
        RunStartup();
    }

    void Install(uint32_t at) {
        fake::ShowPage("start");
        windows->now = at;
        ASSERT_TRUE(WaitStep());
    }

    // The lines written since `count` lines were there.
    std::vector<std::string> LinesAfter(size_t count) const {
        std::vector<std::string> lines = Logged();
        return std::vector<std::string>(lines.begin() + std::min(count, lines.size()), lines.end());
    }

    void CaptureOn(const char* item, int virtualKey) {
        ASSERT_EQ(PressEnterOn("mymovementkeys", item), TickEnd::PressTaken);
        fake::AdvanceClock(300);
        ASSERT_EQ(CaptureKey(virtualKey), TickEnd::CaptureTookKey);
    }
};

TEST_F(LogLinesTest, FirstStartSaysWhoStartedWhereOnWhatAndWhen) {
    Start();
    Install(17300);
    const Lines lines = Logged();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(DuskvaleKeys \d+\.\d+\.\d+ started: .*)"))) << lines[0];
    EXPECT_EQ(lines[0].substr(lines[0].find(" started: ")),
              " started: " + (folder / "DuskvaleKeys.asi").string() + ", from DllMain, under Wine 8.0");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()),
              (Lines{"game build recognised",
                     "keyboard layout 04090409, the plug-in's own until the game's window is in front",
                     "no binding file at " + Ini(), "binding file written from the game's table: " + Ini(),
                     "pages installed, 12.3 s after start"}));
    ControllerTick();
    EXPECT_EQ(LinesAfter(6), Lines{"keyboard layout 04090409, the game window's"});

    EXPECT_EQ(Troubles(Logged()), Lines{});

    // Play and a page with nothing to tell: not a byte more.
    const std::vector<std::string> before = Logged();
    for (int i = 0; i < 100; ++i) TickAt(windows->now + 50);
    OpenPage("mymovementkeys");
    for (int i = 0; i < 50; ++i) TickAt(windows->now + 50);
    EXPECT_EQ(Logged(), before);
}

TEST_F(LogLinesTest, AnUnknownBuildIsTheLastLine) {
    game->knownGameBuild = false;
    RunWorker();
    const Lines lines = Logged();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "game build not recognised: the fake game is another build; "
                        "the plug-in leaves this game untouched");
    EXPECT_EQ(Troubles(lines), Lines{lines[1]});
}

TEST_F(LogLinesTest, LateInitializeAndAFailedPinAreToldOnce) {
    NotePinFailure(5);
    Start();
    ClaimStart(StartEntry::InitializeASI);
    fake::ShowPage("");
    WaitStep();
    ClaimStart(StartEntry::InitializeASI);
    Install(6000);
    ControllerTick();
    const Lines lines = Logged();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "could not keep the module loaded for good, so a loader that unloads it would end the "
                        "plug-in: Windows error 5: Input/output error");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "InitializeASI called"), 1);
    EXPECT_EQ(Troubles(lines), Lines{lines[1]});
}

// The first 20 skipped lines of a read, then how many more; at start-up and
// for a hand edit read while the game runs.
TEST_F(LogLinesTest, SkippedLinesOfEachRead) {
    std::string text = "17=Q ; MOVE_FORWARD\r\n# a comment\r\n\r\n";
    for (int i = 0; i < 25; ++i) text += "18=NOPE\r\n";
    WriteIni(text);
    Start();
    Lines lines = LinesAfter(3);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "1 binding read from " + Ini());
    EXPECT_EQ(lines[1], "line 4 skipped: key \"NOPE\" not recognised for 18 MOVE_BACKWARDS");
    EXPECT_EQ(lines[20], "line 23 skipped: key \"NOPE\" not recognised for 18 MOVE_BACKWARDS");
    EXPECT_EQ(lines[21], "and 5 more lines skipped");
    EXPECT_EQ(Troubles(lines), Lines(lines.begin() + 1, lines.end()));

    Install(6000);
    ControllerTick();
    const size_t count = Logged().size();
    WriteIni("17=E\r\n18=S\r\n19 A\r\n");
    NextCheck();
    NextCheck();
    EXPECT_EQ(LinesAfter(count), (Lines{"hand edit read from " + Ini() + ": 2 bindings changed",
                                        "line 3 skipped: no '=' in \"19 A\""}));
}

// A refused save is told when it first fails, not at each retry, and the save
// that lands counts every try.
TEST_F(LogLinesTest, BindingsResetsAndARunOfRefusedSaves) {
    Start();
    Install(6000);
    OpenPage("mymovementkeys");
    const size_t count = Logged().size();
    windows->failReplace = true;
    CaptureOn("17", 'Q');
    NextCheck();
    NextCheck();
    windows->failReplace = false;
    NextCheck();
    EXPECT_EQ(PressEnterOn("mymovementkeys", "reset_button"), TickEnd::PressTaken);
    EXPECT_EQ(LinesAfter(count),
              (Lines{"MOVE_FORWARD bound to Q",
                     "could not save " + Ini() + " (trying again every second, then every ten): Windows error 32: " +
                         fake::kSharingViolationText,
                     "saved after 4 tries", "reset on the movement page: every binding back to its default"}));
    EXPECT_EQ(Troubles(LinesAfter(count)), Lines{LinesAfter(count)[1]});
}

TEST_F(LogLinesTest, LayoutSwitchesAndAFileTooLargeOncePerStart) {
    WriteIni(std::string(kLargestReadableFile + 1, '#'));
    Start();
    Install(6000);
    for (int i = 0; i < 3; ++i) NextCheck();
    windows->gameLayout = fake::kAzertyLayout;
    NextCheck();
    const Lines lines = LinesAfter(3);
    EXPECT_EQ(lines, (Lines{"binding file too large to read (1048577 bytes, more than 1 MiB): " + Ini() +
                                " is neither read nor written over",
                            "pages installed, 1.0 s after start", "keyboard layout 04090409, the game window's",
                            "keyboard layout 040C040C, the game window's"}));
    EXPECT_EQ(Troubles(lines), Lines{lines[0]});
}

// A log that cannot be created changes nothing else.
TEST_F(LogLinesTest, WithoutALogEverythingElseGoesOn) {
    windows->lockedPath = LogPath();
    Start();
    Install(6000);
    EXPECT_TRUE(std::filesystem::exists(iniPath));
    EXPECT_NE(fake::FindFakeItem("controls", "mymovementkeys"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(LogPath()));
}

}  // namespace
}  // namespace dk::testing
