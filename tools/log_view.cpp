#include "log_view.h"

#include "bindings/binding_file_path.h"
#include "bindings/skipped_line.h"
#include "log/plugin_log.h"

namespace dk::check {

namespace {

constexpr size_t kLongestLineShown = 400;

// The log is the plug-in's own, in UTF-8 (a folder's name may be in any
// script), but a file by that name may hold anything: control bytes, which
// could move a terminal's cursor, are shown as \xNN, and a line is cut.
std::string Shown(std::string_view line) {
    std::string shown = "  ";
    for (size_t i = 0; i < line.size() && i < kLongestLineShown; ++i) {
        const unsigned char byte = static_cast<unsigned char>(line[i]);
        shown += byte < 0x20 || byte == 0x7F ? FormatText("\\x%02X", byte) : std::string(1, line[i]);
    }
    if (line.size() > kLongestLineShown) shown += "...";
    return shown + "\n";
}

}  // namespace

std::string LogBesideBindingFile(const std::string& bindingPath) { return FileBesideModule(bindingPath, ".log"); }

std::string LogView(std::string_view logBytes, const std::string& logPath) {
    std::string view = "The plug-in's log of its last start, " + logPath + ":\n";
    bool first = true;
    int troubles = 0;
    for (const std::string& line : SplitBindingLines(logBytes)) {
        const std::string_view text = std::string_view(line).substr(0, line.find('\r'));
        if (first || ReportsTrouble(text)) view += Shown(text);
        troubles += !first && ReportsTrouble(text);
        first = false;
    }
    if (first) view += "  (empty)\n";
    else if (troubles == 0) view += "  (no trouble reported)\n";
    return view;
}

}  // namespace dk::check
