#include "bindings/skipped_line.h"

#include "keys/binding_tokens.h"

namespace dk {

namespace {

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
            text += FormatText("\\x%02X", byte);
        }
    }
    if (bytes.size() > limit) text += "...";
    return text;
}

std::string SkipReason(const BindingLine& line, std::string_view rawLine) {
    const std::string index = PrintableText(line.indexText);
    switch (line.outcome) {
        case LineOutcome::NoEquals:
            return FormatText("no '=' in \"%s\"", PrintableText(TrimSpaces(std::string(rawLine))).c_str());
        case LineOutcome::IndexNotNumber:
            return FormatText("index \"%s\" is not a number", index.c_str());
        case LineOutcome::IndexOutOfRange:
            return FormatText("index \"%s\" is out of range (0..59)", index.c_str());
        case LineOutcome::NotMappable:
            return FormatText("index %d is not a mappable action", AsInt(line.index));
        case LineOutcome::KeyNotRecognised:
            if (line.valueText.empty()) {
                return FormatText("no key given for %d %s", AsInt(line.index), ActionName(line.index));
            }
            return FormatText("key \"%s\" not recognised for %d %s", PrintableText(line.valueText).c_str(),
                          AsInt(line.index), ActionName(line.index));
        default:
            return "";
    }
}

}  // namespace dk
