#include "bindings/binding_line.h"

#include <cstdint>

#include "keys/binding_tokens.h"

namespace dk {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class LeadingNumber { None, Fits, TooLarge };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An optional sign and the decimal digits at the start; whatever follows them
// is ignored, as the standard base-10 conversion does.
LeadingNumber ReadLeadingDecimal(const std::string& text, int32_t& value) {
    size_t position = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) position = 1;
    if (position >= text.size() || !IsDigit(text[position])) return LeadingNumber::None;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t magnitude = 0;
    bool tooLarge = false;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > limit) {
            tooLarge = true;
            magnitude = limit;  // keep reading the digits without overflowing
        }
    }
    if (tooLarge) return LeadingNumber::TooLarge;
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return LeadingNumber::Fits;
}

BindingLine WithOutcome(BindingLine line, LineOutcome outcome) {
    line.outcome = outcome;
    return line;
}

}  // namespace

BindingLine ReadBindingLine(const std::string& rawLine) {
    BindingLine line;
    const std::string text = TrimSpaces(rawLine);
    if (text.empty()) return WithOutcome(line, LineOutcome::Blank);
    if (text[0] == '#' || text[0] == ';') return WithOutcome(line, LineOutcome::Comment);
    const size_t equals = text.find('=');
    if (equals == std::string::npos) return WithOutcome(line, LineOutcome::NoEquals);

    line.indexText = TrimSpaces(text.substr(0, equals));
    line.valueText = StripComment(TrimSpaces(text.substr(equals + 1)));
    switch (ReadLeadingDecimal(line.indexText, line.index)) {
        case LeadingNumber::None: return WithOutcome(line, LineOutcome::IndexNotNumber);
        case LeadingNumber::TooLarge: return WithOutcome(line, LineOutcome::IndexOutOfRange);
        case LeadingNumber::Fits: break;
    }
    if (!IsActionInRange(line.index)) return WithOutcome(line, LineOutcome::IndexOutOfRange);
    if (!IsMappable(line.index)) return WithOutcome(line, LineOutcome::NotMappable);

    KeyCode code = 0;
    if (!ParseKeyToken(line.valueText, code)) return WithOutcome(line, LineOutcome::KeyNotRecognised);
    line.code = code;
    return WithOutcome(line, LineOutcome::Bound);
}

std::vector<std::string> SplitBindingLines(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf8ByteOrderMark)) fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<std::string> lines;
    while (!fileBytes.empty()) {
        const size_t end = fileBytes.find('\n');
        lines.emplace_back(fileBytes.substr(0, end));
        if (end == std::string_view::npos) break;
        fileBytes.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace dk
