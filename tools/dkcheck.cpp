// dkcheck: shows, line by line, what the plug-in makes of a binding file.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "binding_check.h"
#include "bindings/file_bytes.h"
#include "layout_command.h"

namespace {

constexpr const char* kUsage =
    "usage: dkcheck FILE\n"
    "       dkcheck --svg OUT.svg FILE\n"
    "       dkcheck --svg OUT.svg --defaults\n"
    "Reads a binding file the way the plug-in does and prints what each line binds\n"
    "or why it is skipped, then the binding of every mappable action.\n"
    "With --svg, draws those bindings on a keyboard and a mouse into OUT.svg\n"
    "instead (actions the file does not set as in the default layout), or with\n"
    "--defaults the plug-in's default layout.\n"
    "Exit status: 0 all lines usable, 1 some line other than a comment or blank\n"
    "was skipped, 2 the file could not be read or the picture not written.\n";

// Opening a folder succeeds on some systems and then reads as an empty file.
bool IsFolder(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        std::fputs(kUsage, stdout);
        return dk::check::kExitClean;
    }
    const char* svgPath = nullptr;
    if (argc == 4 && std::strcmp(argv[1], "--svg") == 0) {
        svgPath = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return dk::check::kExitUnreadable;
    }
    if (svgPath && std::strcmp(argv[1], dk::check::kDefaultsOption) == 0) return dk::check::DrawDefaultLayout(svgPath);
    std::string bytes;
    if (IsFolder(argv[1])) {
        std::fprintf(stderr, "dkcheck: cannot read %s: it is a folder\n", argv[1]);
        return dk::check::kExitUnreadable;
    }
    if (!dk::ReadFileBytes(argv[1], bytes)) {
        std::fprintf(stderr, "dkcheck: cannot read %s: %s\n", argv[1], std::strerror(errno));
        return dk::check::kExitUnreadable;
    }
    if (svgPath) return dk::check::DrawFileLayout(svgPath, argv[1], bytes);
    const dk::check::CheckReport report = dk::check::CheckBindingFile(bytes);
    std::fputs(report.text.c_str(), stdout);
    return report.exitCode;
}
