#include "bindings/skipped_line.h"

#include <cstdio>

#include "keys/binding_tokens.h"

namespace dk {

namespace {

// Room for two cut texts of PrintableText (60 bytes as \xNN each) and a name.
std::string Format(const char* format, auto... arguments) {
    char buffer[640];
    std::snprintf(buffer, sizeof buffer, format, arguments...);
    return buffer;
}

int AsInt(ActionIndex index) { return static_cast<int>(index); }

}  // namespace

bool IsProblem(LineOutcome outcome) {
    return outcome != LineOutcome::Bound && outcome != LineOutcome::Blank && outcome != LineOutcome::Comment;
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

std::string SkipReason(const BindingLine& line, std::string_view rawLine) {
    const std::string index = PrintableText(line.indexText);
    switch (line.outcome) {
        case LineOutcome::NoEquals:
            return Format("no '=' in \"%s\"", PrintableText(TrimSpaces(std::string(rawLine))).c_str());
        case LineOutcome::IndexNotNumber:
            return Format("index \"%s\" is not a number", index.c_str());
        case LineOutcome::IndexOutOfRange:
            return Format("index \"%s\" is out of range (0..59)", index.c_str());
        case LineOutcome::NotMappable:
            return Format("index %d is not a mappable action", AsInt(line.index));
        case LineOutcome::KeyNotRecognised:
            if (line.valueText.empty()) return Format("no key given for %d %s", AsInt(line.index), ActionName(line.index));
            return Format("key \"%s\" not recognised for %d %s", PrintableText(line.valueText).c_str(),
                          AsInt(line.index), ActionName(line.index));
        default:
            return "";
    }
}

}  // namespace dk
