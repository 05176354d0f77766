#include "binding_check.h"

#include <cstdio>
#include <vector>

#include "binding_summary.h"
#include "key_labels.h"
#include "line_report.h"

namespace dk::check {

namespace {

struct Counts {
    int bound = 0;
    int ignorable = 0;  // comments and blank lines
    int problems = 0;
};

std::string NumberedLine(size_t number, const std::string& description) {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "%5zu  ", number);
    return prefix + description + "\n";
}

void Count(LineOutcome outcome, Counts& counts) {
    if (outcome == LineOutcome::Bound) {
        ++counts.bound;
    } else if (IsProblem(outcome)) {
        ++counts.problems;
    } else {
        ++counts.ignorable;
    }
}

std::string Summary(const Counts& counts) {
    char text[160];
    std::snprintf(text, sizeof text, "Lines: %d bound, %d comment or blank, %d skipped\n",
                  counts.bound, counts.ignorable, counts.problems);
    return text;
}

// Which labels the notes beside the file's tokens come from; nothing with US labels.
std::string KeyboardLine() {
    const std::string layout = LayoutName();
    return layout.empty() ? "" : "Your keyboard: " + layout + " (the file names keys as on a US keyboard)\n";
}

}  // namespace

CheckReport CheckBindingFile(std::string_view fileBytes) {
    const std::vector<std::string> rawLines = SplitBindingLines(fileBytes);
    std::vector<BindingLine> lines;
    lines.reserve(rawLines.size());
    std::string text = KeyboardLine() + "Line by line:\n";
    Counts counts;
    for (size_t i = 0; i < rawLines.size(); ++i) {
        lines.push_back(ReadBindingLine(rawLines[i]));
        text += NumberedLine(i + 1, DescribeLine(lines.back(), rawLines[i]));
        Count(lines.back().outcome, counts);
    }
    text += "\nResulting bindings:\n";
    text += DescribeBindings(ResultingBindings(lines));
    text += "\n";
    text += Summary(counts);
    return {text, counts.problems > 0 ? kExitLinesSkipped : kExitClean};
}

}  // namespace dk::check
