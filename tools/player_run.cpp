#include "player_run.h"

#include <cerrno>
#include <cstdio>

#include "binding_check.h"
#include "bindings/file_bytes.h"
#include "file_argument.h"
#include "layout_command.h"
#include "log_view.h"

namespace dk::check {

namespace {

// Up to and including the last separator, so the folder keeps its own kind.
std::string FolderOf(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? "" : path.substr(0, separator + 1);
}

bool IsOption(const std::string& argument) { return !argument.empty() && argument[0] == '-'; }

bool IsMissing(const std::string& path) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) return errno == ENOENT;
    std::fclose(file);
    return false;
}

int SayNoBindingFile(const PlayerRun& run) {
    std::printf("There is no %s beside dkcheck, in %s\n"
                "Start the game once with the plug-in installed: it writes that file beside the\n"
                "plug-in. Put dkcheck beside it too, or drop the file on dkcheck.\n",
                kPlayerBindingFile, FolderOf(run.bindingPath).c_str());
    return kExitUnreadable;
}

int DrawBesideTheFile(const PlayerRun& run) {
    std::FILE* file = OpenForReading(run.bindingPath);
    if (file == nullptr) {
        std::fprintf(stderr, "dkcheck: cannot read %s again\n", run.bindingPath.c_str());
        return kExitUnreadable;
    }
    std::string bytes;
    // Grown too large since it was checked: nothing sane to draw.
    if (!ReadStreamBytes(file, bytes)) return kExitUnreadable;
    int skipped = 0;
    if (!WriteFileLayout(run.picturePath, run.bindingPath, bytes, skipped)) return kExitUnreadable;
    std::printf("\nThe picture of this layout: %s\n", run.picturePath.c_str());
    return kExitClean;
}

// The plug-in's own account of its last start, where it left one beside the
// file: the answer to "did it load, and what went wrong?".
void ShowPluginLog(const PlayerRun& run) {
    const std::string path = LogBesideBindingFile(run.bindingPath);
    if (IsFolder(path)) return;
    std::FILE* file = OpenForReading(path);
    std::string bytes;
    if (file == nullptr || !ReadStreamBytes(file, bytes)) return;
    std::printf("\n%s", LogView(bytes, path).c_str());
}

}  // namespace

PlayerRun PlanPlayerRun(const std::vector<std::string>& arguments, bool ownConsole, const std::string& programPath) {
    PlayerRun run;
    run.waitForEnter = ownConsole;
    if (arguments.size() == 1) {
        run.applies = true;
        run.besideProgram = true;
        if (programPath.empty()) return run;
        run.bindingPath = FolderOf(programPath) + kPlayerBindingFile;
        run.picturePath = FolderOf(programPath) + kPlayerPicture;
    } else if (arguments.size() == 2 && ownConsole && !IsOption(arguments[1])) {
        run.applies = true;
        run.bindingPath = arguments[1];
        run.picturePath = FolderOf(arguments[1]) + kPlayerPicture;
    }
    return run;
}

int RunForPlayer(const PlayerRun& run, CommandLine runCommandLine) {
    if (run.bindingPath.empty()) {
        std::fputs("dkcheck: cannot tell which folder dkcheck is in; give it the binding file: dkcheck FILE\n",
                   stderr);
        return kExitUnreadable;
    }
    if (run.besideProgram && IsMissing(run.bindingPath)) {
        const int status = SayNoBindingFile(run);
        ShowPluginLog(run);
        return status;
    }
    std::printf("dkcheck: %s\n\n", run.bindingPath.c_str());
    const int checked = runCommandLine({"dkcheck", run.bindingPath});
    const int drawn = checked == kExitUnreadable ? checked : DrawBesideTheFile(run);
    ShowPluginLog(run);
    return drawn == kExitClean ? checked : drawn;
}

void WaitForEnter() {
    // What the run said, then its errors (held back in a console: console_text.h).
    std::fflush(stdout);
    std::fflush(stderr);
    std::fputs("\nPress Enter to close.\n", stdout);
    std::fflush(stdout);
    int c;
    do {
        c = std::getchar();
    } while (c != EOF && c != '\n');
}

}  // namespace dk::check
