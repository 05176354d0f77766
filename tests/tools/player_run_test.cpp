#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log_view.h"
#include "player_run.h"

namespace dk::check {
namespace {

struct PlanCase {
    std::vector<std::string> arguments;  // after the program's name
    bool ownConsole;
    const char* programPath;
    bool applies;
    const char* bindingPath;
    const char* picturePath;
};

TEST(PlayerRun, DoubleClickAndDropCheckAndDrawBesideTheFileAndOnlyAWindowOfItsOwnWaits) {
    const PlanCase cases[] = {
        // A double-click, or no arguments from a prompt: the file beside dkcheck, not in the current folder.
        {{}, true, "C:\\Games\\Duskvale\\dkcheck.exe", true, "C:\\Games\\Duskvale\\DuskvaleKeys.ini",
         "C:\\Games\\Duskvale\\DuskvaleKeys-layout.svg"},
        {{}, false, "/opt/duskvale/dkcheck", true, "/opt/duskvale/DuskvaleKeys.ini",
         "/opt/duskvale/DuskvaleKeys-layout.svg"},
        {{}, true, "", true, "", ""},
        // A drop: that file, the picture beside it.
        {{"D:\\keys\\mine.ini"}, true, "C:\\Games\\dkcheck.exe", true, "D:\\keys\\mine.ini",
         "D:\\keys\\DuskvaleKeys-layout.svg"},
        {{"mine.ini"}, true, "C:\\Games\\dkcheck.exe", true, "mine.ini", "DuskvaleKeys-layout.svg"},
        // From a prompt or a script, and every option: the command line as it always was.
        {{"D:\\keys\\mine.ini"}, false, "C:\\Games\\dkcheck.exe", false, "", ""},
        {{"--help"}, true, "C:\\Games\\dkcheck.exe", false, "", ""},
        {{"--svg", "out.svg", "mine.ini"}, true, "C:\\Games\\dkcheck.exe", false, "", ""},
        {{"a.ini", "b.ini"}, true, "C:\\Games\\dkcheck.exe", false, "", ""},
    };
    for (const PlanCase& c : cases) {
        std::vector<std::string> arguments{"dkcheck"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const PlayerRun run = PlanPlayerRun(arguments, c.ownConsole, c.programPath);
        const std::string label = (c.arguments.empty() ? "(none)" : c.arguments[0]) + (c.ownConsole ? " alone" : "");
        EXPECT_EQ(run.applies, c.applies) << label;
        EXPECT_EQ(run.bindingPath, c.bindingPath) << label;
        EXPECT_EQ(run.picturePath, c.picturePath) << label;
        EXPECT_EQ(run.besideProgram, c.arguments.empty()) << label;
        EXPECT_EQ(run.waitForEnter, c.ownConsole) << label;
    }
}

// The log's first line and its lines of trouble, as the plug-in marks them; a
// file by the log's name that holds anything else cannot move the cursor.
TEST(PlayerRun, ShowsTheFirstLineAndTheTroubleOfThePluginsLog) {
    const std::string heading = "The plug-in's log of its last start, C:\\G\\DuskvaleKeys.log:\n";
    const struct {
        const char* log;
        const char* shown;
    } cases[] = {
        {"10:00:00.000 DuskvaleKeys 1.0.0 started: C:\\G\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\\DuskvaleKeys.asi\r\n"
         "10:00:00.001 game build recognised\r\n"
         "10:00:00.002 13 bindings read from C:\\G\\DuskvaleKeys.ini\r\n"
         "10:00:00.002 line 5 skipped: no '=' in \"[Bindings]\"\r\n"
         "10:00:01.000 pages installed, 1.0 s after start\r\n"
         "10:00:09.000 could not save C:\\G\\DuskvaleKeys.ini (...): Windows error 5: Access is denied.\r\n"
         "10:00:12.000 saved after 4 tries\r\n",
         "  10:00:00.000 DuskvaleKeys 1.0.0 started: C:\\G\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\\DuskvaleKeys.asi\n"
         "  10:00:00.002 line 5 skipped: no '=' in \"[Bindings]\"\n"
         "  10:00:09.000 could not save C:\\G\\DuskvaleKeys.ini (...): Windows error 5: Access is denied.\n"},
        {"10:00:00.000 DuskvaleKeys 1.0.0 started\r\n10:00:00.001 game build not recognised: x\r\n",
         "  10:00:00.000 DuskvaleKeys 1.0.0 started\n  10:00:00.001 game build not recognised: x\n"},
        {"10:00:00.000 DuskvaleKeys 1.0.0 started\r\n10:00:00.001 game build recognised\r\n",
         "  10:00:00.000 DuskvaleKeys 1.0.0 started\n  (no trouble reported)\n"},
        {"", "  (empty)\n"},
        {"\x1B[2Jnot a log\n", "  \\x1B[2Jnot a log\n  (no trouble reported)\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(LogView(c.log, "C:\\G\\DuskvaleKeys.log"), heading + c.shown) << c.log;
    EXPECT_EQ(LogBesideBindingFile("C:\\G\\DuskvaleKeys.ini"), "C:\\G\\DuskvaleKeys.log");
}

}  // namespace
}  // namespace dk::check
