#include "line_report.h"

#include "key_labels.h"
#include "keys/binding_tokens.h"

namespace dk::check {

namespace {

int AsInt(ActionIndex index) { return static_cast<int>(index); }

// The index stops at the first character after its digits, so "0x11" is 0:
// worth saying whenever the text is not simply the number.
std::string IndexReadingNote(const BindingLine& line) {
    if (line.indexText == std::to_string(line.index)) return "";
    return FormatText("  [index \"%s\" read as %d]", PrintableText(line.indexText).c_str(), AsInt(line.index));
}

std::string DescribeBound(const BindingLine& line) {
    return FormatText("binds %d %s to %s%s (%d)%s", AsInt(line.index), ActionName(line.index),
                      FormatKeyToken(line.code).c_str(), YourKeyNote(line.code).c_str(), static_cast<int>(line.code),
                      IndexReadingNote(line).c_str());
}

}  // namespace

std::string DescribeLine(const BindingLine& line, std::string_view rawLine) {
    switch (line.outcome) {
        case LineOutcome::Blank: return "blank";
        case LineOutcome::Comment: return "comment";
        case LineOutcome::Bound: return DescribeBound(line);
        default: return "skipped: " + SkipReason(line, rawLine);
    }
}

}  // namespace dk::check
