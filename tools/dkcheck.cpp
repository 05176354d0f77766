// dkcheck: shows, line by line, what the plug-in makes of a binding file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "binding_check.h"
#include "bindings/file_bytes.h"
#include "console_text.h"
#include "file_argument.h"
#include "key_labels.h"
#include "keyboard_platform.h"
#include "layout_command.h"
#include "player_run.h"
#include "program_surroundings.h"

namespace {

constexpr const char* kUsage =
    "usage: dkcheck [--layout us]\n"
    "       dkcheck [--layout us] FILE\n"
    "       dkcheck [--layout us] --svg OUT.svg FILE\n"
    "       dkcheck [--layout us] --svg OUT.svg --defaults\n"
    "Reads a binding file the way the plug-in does and prints what each line binds\n"
    "or why it is skipped, then the binding of every mappable action.\n"
    "With --svg, draws those bindings on a keyboard and a mouse into OUT.svg\n"
    "instead (actions the file does not set as in the default layout), or with\n"
    "--defaults the plug-in's default layout.\n"
    "With no arguments, checks the binding file beside dkcheck and draws its\n"
    "picture there.\n"
    "The file names keys as on a US keyboard. On Windows the report adds the\n"
    "label of your key where your keyboard layout labels it otherwise (W (your\n"
    "key Z) on a French keyboard), and the picture shows your labels; with\n"
    "--layout us both use US labels, for a picture to share with anyone.\n"
    "Exit status: 0 all lines usable, 1 some line other than a comment or blank\n"
    "was skipped, 2 the file could not be read or the picture not written.\n";

int RunCommandLine(std::vector<std::string> arguments) {
    if (arguments.size() == 2 && (arguments[1] == "-h" || arguments[1] == "--help")) {
        std::fputs(kUsage, stdout);
        return dk::check::kExitClean;
    }
    const bool drawing = arguments.size() == 4 && arguments[1] == dk::check::kSvgOption;
    std::string svgPath;
    if (drawing) {
        svgPath = arguments[2];
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    if (arguments.size() != 2) {
        std::fputs(kUsage, stderr);
        return dk::check::kExitUnreadable;
    }
    const std::string& path = arguments[1];
    if (drawing && path == dk::check::kDefaultsOption) return dk::check::DrawDefaultLayout(svgPath);
    if (dk::check::IsFolder(path)) {
        std::fprintf(stderr, "dkcheck: cannot read %s: it is a folder\n", path.c_str());
        return dk::check::kExitUnreadable;
    }
    std::FILE* file = dk::check::OpenForReading(path);
    if (file == nullptr) {
        std::fprintf(stderr, "dkcheck: cannot read %s: %s\n", path.c_str(), std::strerror(errno));
        return dk::check::kExitUnreadable;
    }
    std::string bytes;
    if (!dk::ReadStreamBytes(file, bytes)) {
        std::fprintf(stderr, "dkcheck: cannot read %s: it is too large to be a binding file (over %u MiB)\n",
                     path.c_str(), static_cast<unsigned>(dk::kLargestReadableFile >> 20));
        return dk::check::kExitUnreadable;
    }
    if (drawing) return dk::check::DrawFileLayout(svgPath, path, bytes);
    const dk::check::CheckReport report = dk::check::CheckBindingFile(bytes);
    std::fputs(report.text.c_str(), stdout);
    return report.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    dk::check::ShowUtf8InTheConsole();
    std::vector<std::string> arguments = dk::check::Utf8Arguments(argc, argv);
    bool usLabels = false;
    if (!dk::check::TakeLayoutOption(arguments, usLabels)) {
        std::fputs("dkcheck: --layout takes \"us\" only: US labels (without it, your keyboard's labels)\n", stderr);
        std::fputs(kUsage, stderr);
        return dk::check::kExitUnreadable;
    }
    dk::check::InstallKeyboardPlatform();
    dk::check::LabelKeys(usLabels);
    const dk::check::PlayerRun player =
        dk::check::PlanPlayerRun(arguments, dk::check::HasConsoleOfItsOwn(), dk::check::ProgramPath());
    const int status = player.applies ? dk::check::RunForPlayer(player, RunCommandLine) : RunCommandLine(arguments);
    // A window of its own closes with dkcheck: the player reads the report first.
    if (player.waitForEnter) dk::check::WaitForEnter();
    return status;
}
