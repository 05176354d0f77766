#include <sys/stat.h>

#include "file_argument.h"

namespace dk::check {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace dk::check
