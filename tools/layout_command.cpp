#include "layout_command.h"

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "binding_check.h"
#include "binding_summary.h"
#include "layout_picture.h"
#include "line_report.h"
#include "output_file.h"

namespace dk::check {

namespace {

// The picture names the file it was drawn from, without the folders.
std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos || slash + 1 == path.size()) return path;
    return path.substr(slash + 1);
}

// Writing the picture over the binding file would lose the player's bindings.
bool IsSameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat first, second;
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return false;
    return first.st_ino != 0 && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool Write(const std::string& outPath, const std::string& picture) {
    std::string error;
    if (WriteWholeFile(outPath, picture, error)) return true;
    std::fprintf(stderr, "dkcheck: cannot write the picture to %s: %s\n", outPath.c_str(), error.c_str());
    return false;
}

}  // namespace

int DrawDefaultLayout(const std::string& outPath) {
    if (!Write(outPath, LayoutPicture(DefaultLayout()))) return kExitUnreadable;
    std::printf("dkcheck: drew the default layout into %s\n", outPath.c_str());
    return kExitClean;
}

bool WriteFileLayout(const std::string& outPath, const std::string& filePath, std::string_view fileBytes,
                     int& skipped) {
    if (IsSameFile(outPath, filePath)) {
        std::fprintf(stderr, "dkcheck: %s is the binding file itself: give the picture another name\n",
                     outPath.c_str());
        return false;
    }
    std::vector<BindingLine> lines;
    skipped = 0;
    for (const std::string& line : SplitBindingLines(fileBytes)) {
        lines.push_back(ReadBindingLine(line));
        if (IsProblem(lines.back().outcome)) ++skipped;
    }
    return Write(outPath, LayoutPicture(LayoutFromFile(ResultingBindings(lines), BaseName(filePath))));
}

int DrawFileLayout(const std::string& outPath, const std::string& filePath, std::string_view fileBytes) {
    int skipped = 0;
    if (!WriteFileLayout(outPath, filePath, fileBytes, skipped)) return kExitUnreadable;
    std::printf("dkcheck: drew the layout of %s into %s\n", filePath.c_str(), outPath.c_str());
    if (skipped == 0) return kExitClean;
    std::printf("%d line(s) of the file were skipped; run dkcheck %s to see why\n", skipped, filePath.c_str());
    return kExitLinesSkipped;
}

}  // namespace dk::check
