// The binding file edited by hand while the game runs, on the virtual clock.
// The file is looked at with the periodic re-apply, once more than a second
// has passed since the last one.
#include "bindings/binding_file.h"
#include "core_test_env.h"

namespace dk::testing {
namespace {

class LiveFileTest : public CoreTest {
protected:
    // Installed (the file written with all slots 0), then one check as the
    // starting point of the test's own checks.
    void SetUp() override {
        CoreTest::SetUp();
        StartAndInstall();
        TickAt(2000);
        opensAfterInstall = windows->fileOpens;
    }

    // Ticks until just before the next check: nothing may look at the file.
    void TicksBetweenChecks() {
        const int queries = windows->stampQueries;
        const uint32_t start = windows->now;
        for (uint32_t at = start + 50; at < start + kCheck - 50; at += 50) TickAt(at);
        EXPECT_EQ(windows->stampQueries, queries);
    }

    int opensAfterInstall = 0;
};

TEST_F(LiveFileTest, EditIsReadAtTheSecondCheckAfterItStoodStill) {
    WriteIni("17=Q\r\n");
    TicksBetweenChecks();
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 0) << "read before it stood still for a check";
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    EXPECT_EQ(BindingOverrides[17].overrideCode, 16);
    EXPECT_EQ(BindingOverrides[18].overrideCode, 0) << "an action without a line keeps its binding";

    // Still being written at the next check: read only once it stands still.
    WriteIni("17=E\r\n");
    NextCheck();
    WriteIni("17=E\r\n18=T\r\n");
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 18);
    EXPECT_EQ(fake::FakeSlotByte(18), 20);

    // Unchanged from then on: one attributes query per check, never opened.
    const int opens = windows->fileOpens;
    const int queries = windows->stampQueries;
    for (int i = 0; i < 5; ++i) NextCheck();
    EXPECT_EQ(windows->fileOpens, opens);
    EXPECT_EQ(windows->stampQueries, queries + 5);
}

TEST_F(LiveFileTest, ShownPageShowsTheEditAtOnce) {
    OpenPage("mymovementkeys");
    WriteIni("17=Q\r\n# a note\r\n");
    NextCheck();
    NextCheck();
    EXPECT_EQ(Item("mymovementkeys", "17").value, 16);
    EXPECT_EQ(Item("mymovementkeys", "18").value, 0);
}

// A save follows an edit the plug-in has not read yet: every hand edit is
// kept, except where the menu's own change wins.
TEST_F(LiveFileTest, SaveAfterAnUnseenEditKeepsIt) {
    OpenPage("mymovementkeys");
    WriteIni("17=E\r\n18=T\r\n");
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(300);
    ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos) << "the key just bound wins";
    EXPECT_NE(IniText().find("18=T ; MOVE_BACKWARDS"), std::string::npos) << "the edit is kept";
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    EXPECT_EQ(fake::FakeSlotByte(18), 20);
    TickAt(windows->now + 50);
    EXPECT_EQ(Item("mymovementkeys", "18").value, 20) << "the page caught up with the edit";

    // The plug-in's own save is no edit: never read back.
    const int opens = windows->fileOpens;
    for (int i = 0; i < 4; ++i) NextCheck();
    EXPECT_EQ(windows->fileOpens, opens);

    // The menu binding is saved, so a later hand edit is read and left just
    // as the editor wrote it.
    const int tries = SaveTries();
    WriteIni("17=E\r\n18=E\r\n");
    for (int i = 0; i < 3; ++i) NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 18) << "the saved menu binding no longer wins over the file";
    EXPECT_EQ(fake::FakeSlotByte(18), 18);
    EXPECT_EQ(IniText(), "17=E\r\n18=E\r\n");
    EXPECT_EQ(SaveTries(), tries);

    // A reset wins over the file for every action.
    fake::AdvanceClock(400);
    WriteIni("17=E\r\n18=T\r\n");
    PressEnterOn("mymovementkeys", "reset_button");
    EXPECT_EQ(fake::FakeSlotByte(17), 17);
    EXPECT_EQ(fake::FakeSlotByte(18), 31);
    EXPECT_NE(IniText().find("18=S ; MOVE_BACKWARDS"), std::string::npos);
}

struct GoneCase {
    const char* what;
    void (*make)(const std::filesystem::path& ini, fake::FakePlatformState& windows);
    bool saved;                           // the next save writes the file
    std::filesystem::file_type leftThere;  // what is in the file's place after it
    bool openedToRead;                    // the checks try to read what is there
};

// Whatever stands in the file's place, nothing the plug-in holds changes;
// once a sane file is back, it is read and the save that failed reaches it.
class FileGoneTest : public LiveFileTest, public ::testing::WithParamInterface<GoneCase> {};

TEST_P(FileGoneTest, ChangesNothingAndLosesNothing) {
    const GoneCase& c = GetParam();
    SetBinding(17, 16);
    ApplyOverrides();
    windows->fileCalls.clear();
    c.make(iniPath, *windows);
    const std::string made = std::filesystem::is_regular_file(iniPath) ? IniText() : "";
    for (int i = 0; i < 3; ++i) NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    EXPECT_EQ(BindingOverrides[17].overrideCode, 16);
    for (ActionIndex action : MappableActions) EXPECT_TRUE(BindingOverrides[action].overrideSet) << action;
    EXPECT_EQ(SaveBindingFile(), c.saved);
    if (!c.saved && c.leftThere == std::filesystem::file_type::regular) {
        EXPECT_EQ(IniText(), made);
    }
    EXPECT_EQ(std::filesystem::status(iniPath).type(), c.leftThere);
    int reads = 0;
    for (const fake::FileCall& call : windows->fileCalls) reads += call.what == "open DuskvaleKeys.ini rb";
    EXPECT_EQ(reads > 0, c.openedToRead);
    if (c.saved) return;

    windows->lockedPath.clear();
    std::filesystem::remove_all(iniPath);
    WriteIni("18=T\r\n");
    NextCheck();
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(18), 20);
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos);
    EXPECT_NE(IniText().find("18=T ; MOVE_BACKWARDS"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileGoneTest,
    ::testing::Values(
        GoneCase{"removed", [](const std::filesystem::path& ini, fake::FakePlatformState&) {
                     std::filesystem::remove(ini);
                 }, true, std::filesystem::file_type::regular, false},
        GoneCase{"directory", [](const std::filesystem::path& ini, fake::FakePlatformState&) {
                     std::filesystem::remove(ini);
                     std::filesystem::create_directory(ini);
                 }, false, std::filesystem::file_type::directory, false},
        // Held by an editor without sharing, with an edit in it: neither read
        // nor overwritten while it cannot be read.
        GoneCase{"unreadable", [](const std::filesystem::path& ini, fake::FakePlatformState& windows) {
                     std::ofstream(ini, std::ios::binary) << "17=E\r\n";
                     windows.lockedPath = ini.string();
                 }, false, std::filesystem::file_type::regular, true},
        // A good first line does not make 2 MiB a binding file: never even opened.
        GoneCase{"too_large", [](const std::filesystem::path& ini, fake::FakePlatformState&) {
                     std::ofstream(ini, std::ios::binary) << "17=E\r\n" << std::string(2 << 20, '#');
                 }, false, std::filesystem::file_type::regular, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(LiveFileTest, UnreadableFileIsTriedAgainAtEachCheck) {
    WriteIni("17=Q\r\n");
    windows->lockedPath = iniPath.string();
    for (int i = 0; i < 3; ++i) NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 0);
    windows->lockedPath.clear();
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
}

// A key bound while an editor held the file: the save could not read the
// file, so it wrote nothing; once the edit is read, both go into the file.
TEST_F(LiveFileTest, BindingWhoseSaveWaitedForTheEditorJoinsTheEdit) {
    OpenPage("mymovementkeys");
    WriteIni("17=E\r\n18=T\r\n");
    windows->lockedPath = iniPath.string();
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(300);
    ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
    EXPECT_EQ(IniText(), "17=E\r\n18=T\r\n");
    windows->lockedPath.clear();
    NextCheck();
    NextCheck();
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos);
    EXPECT_NE(IniText().find("18=T ; MOVE_BACKWARDS"), std::string::npos);
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
}

// The replace refused for a while and the player edits the file meanwhile:
// the edit is read as usual, once it stood still, and the try that works
// writes it beside the menu binding.
TEST_F(LiveFileTest, EditMadeWhileSavesFailJoinsTheMenuBinding) {
    OpenPage("mymovementkeys");
    windows->failReplace = true;
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(300);
    ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
    WriteIni("17=E\r\n18=T\r\n");
    const size_t calls = windows->fileCalls.size();
    NextCheck();
    EXPECT_EQ(windows->fileCalls.size(), calls) << "a file that may still be changing is neither read nor saved over";
    NextCheck();
    EXPECT_EQ(fake::FakeSlotByte(18), 20);
    EXPECT_EQ(fake::FakeSlotByte(17), 16) << "the menu binding wins over the edit's line";
    EXPECT_EQ(IniText(), "17=E\r\n18=T\r\n");
    windows->failReplace = false;
    NextCheck();
    EXPECT_NE(IniText().find("17=Q ; MOVE_FORWARD"), std::string::npos);
    EXPECT_NE(IniText().find("18=T ; MOVE_BACKWARDS"), std::string::npos);
}

TEST_F(CoreTest, WithoutTheWholeModulePathNoFileIsTouched) {
    windows->moduleNameWhole = false;
    StartAndInstall();
    OpenPage("mymovementkeys");
    PressEnterOn("mymovementkeys", "17");
    fake::AdvanceClock(300);
    ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
    for (int i = 0; i < 3; ++i) TickAt(windows->now + kCheck);
    EXPECT_EQ(fake::FakeSlotByte(17), 16) << "the menu binding works for this run";
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(windows->fileOpens + windows->stampQueries + windows->replaceCalls, 0);
}

}  // namespace
}  // namespace dk::testing
