// dkcheck: shows, line by line, what the plug-in makes of a binding file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "binding_check.h"
#include "bindings/file_bytes.h"
#include "file_argument.h"

namespace {

constexpr const char* kUsage =
    "usage: dkcheck FILE\n"
    "Reads a binding file the way the plug-in does and prints what each line binds\n"
    "or why it is skipped, then the binding of every mappable action.\n"
    "Exit status: 0 all lines usable, 1 some line other than a comment or blank\n"
    "was skipped, 2 the file could not be read.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = dk::check::Utf8Arguments(argc, argv);
    if (arguments.size() == 2 && (arguments[1] == "-h" || arguments[1] == "--help")) {
        std::fputs(kUsage, stdout);
        return dk::check::kExitClean;
    }
    if (arguments.size() != 2) {
        std::fputs(kUsage, stderr);
        return dk::check::kExitUnreadable;
    }
    const std::string& path = arguments[1];
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
    dk::ReadStreamBytes(file, bytes);
    const dk::check::CheckReport report = dk::check::CheckBindingFile(bytes);
    std::fputs(report.text.c_str(), stdout);
    return report.exitCode;
}
