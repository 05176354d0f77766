#pragma once
// dkcheck as players start it: by a double-click beside the plug-in (no
// arguments), or by dropping a binding file on it in Explorer. It then checks
// the file, draws the picture of its layout beside it and says where that is.
#include <string>
#include <vector>

namespace dk::check {

inline constexpr const char* kPlayerBindingFile = "DuskvaleKeys.ini";
inline constexpr const char* kPlayerPicture = "DuskvaleKeys-layout.svg";

struct PlayerRun {
    bool applies = false;        // false: an ordinary command line, run as it always was
    bool besideProgram = false;  // no arguments: the binding file beside dkcheck itself
    std::string bindingPath;     // empty when dkcheck cannot tell where it is
    std::string picturePath;
    bool waitForEnter = false;   // its window closes when dkcheck ends
};

// `ownConsole`: HasConsoleOfItsOwn(). A single file argument is a drop only
// then; from a prompt it is the plain check, which draws nothing.
PlayerRun PlanPlayerRun(const std::vector<std::string>& arguments, bool ownConsole, const std::string& programPath);

// dkcheck's own command line, as main runs it.
using CommandLine = int (*)(std::vector<std::string> arguments);

// The check of `dkcheck FILE`, then the picture, then the first line and the
// lines of trouble of the plug-in's log beside the file, if there is one.
// Exit status as for the check; 2 also when there is no file beside dkcheck or
// the picture cannot be written.
int RunForPlayer(const PlayerRun& run, CommandLine runCommandLine);

// "Press Enter to close.", then waits for Enter or the end of the input.
void WaitForEnter();

}  // namespace dk::check
