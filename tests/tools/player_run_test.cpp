#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace dk::check
