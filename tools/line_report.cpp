#include "line_report.h"

#include <cstdio>

#include "key_labels.h"
#include "keys/binding_tokens.h"

namespace dk::check {

namespace {

// Room for two cut texts of PrintableText (60 bytes as \xNN each) and a name.
std::string Format(const char* format, auto... arguments) {
    char buffer[640];
    std::snprintf(buffer, sizeof buffer, format, arguments...);
    return buffer;
}

int AsInt(ActionIndex index) { return static_cast<int>(index); }

std::string DescribeSkip(const BindingLine& line, std::string_view rawLine) {
    const std::string index = PrintableText(line.indexText);
    switch (line.outcome) {
        case LineOutcome::NoEquals:
            return Format("skipped: no '=' in \"%s\"", PrintableText(TrimSpaces(std::string(rawLine))).c_str());
        case LineOutcome::IndexNotNumber:
            return Format("skipped: index \"%s\" is not a number", index.c_str());
        case LineOutcome::IndexOutOfRange:
            return Format("skipped: index \"%s\" is out of range (0..59)", index.c_str());
        case LineOutcome::NotMappable:
            return Format("skipped: index %d is not a mappable action", AsInt(line.index));
        case LineOutcome::KeyNotRecognised:
            if (line.valueText.empty()) {
                return Format("skipped: no key given for %d %s", AsInt(line.index), ActionName(line.index));
            }
            return Format("skipped: key \"%s\" not recognised for %d %s", PrintableText(line.valueText).c_str(),
                          AsInt(line.index), ActionName(line.index));
        default:
            return "skipped";
    }
}

// The index stops at the first character after its digits, so "0x11" is 0:
// worth saying whenever the text is not simply the number.
std::string IndexReadingNote(const BindingLine& line) {
    if (line.indexText == std::to_string(line.index)) return "";
    return Format("  [index \"%s\" read as %d]", PrintableText(line.indexText).c_str(), AsInt(line.index));
}

std::string DescribeBound(const BindingLine& line) {
    return Format("binds %d %s to %s%s (%d)%s", AsInt(line.index), ActionName(line.index),
                  FormatKeyToken(line.code).c_str(), YourKeyNote(line.code).c_str(), static_cast<int>(line.code),
                  IndexReadingNote(line).c_str());
}

}  // namespace

bool IsProblem(LineOutcome outcome) {
    return outcome != LineOutcome::Bound && outcome != LineOutcome::Blank &&
           outcome != LineOutcome::Comment;
}

std::string PrintableText(std::string_view bytes, size_t limit) {
    std::string text;
    for (size_t i = 0; i < bytes.size() && i < limit; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            text += Format("\\x%02X", byte);
        }
    }
    if (bytes.size() > limit) text += "...";
    return text;
}

std::string DescribeLine(const BindingLine& line, std::string_view rawLine) {
    switch (line.outcome) {
        case LineOutcome::Blank: return "blank";
        case LineOutcome::Comment: return "comment";
        case LineOutcome::Bound: return DescribeBound(line);
        default: return DescribeSkip(line, rawLine);
    }
}

}  // namespace dk::check
