// The text helpers of binding tokens, shared with the binding file reader.
#include "keys/binding_tokens.h"

namespace dk {
namespace {

// Character classes of the "C" locale, spelled out so that no locale can change them.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
bool IsWordSeparator(char c) {
    return c == ' ' || c == '-' || c == '\t' || c == '_';
}
char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// One pair only: a quoted quote stays.
std::string Unquote(std::string text) {
    const bool quoted = text.size() >= 2 && text.front() == text.back() &&
                        (text.front() == '"' || text.front() == '\'');
    if (quoted) return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::string TrimSpaces(std::string text) {
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1])) --end;
    size_t begin = 0;
    while (begin < end && IsSpace(text[begin])) ++begin;
    return text.substr(begin, end - begin);
}

std::string StripComment(std::string text) {
    const size_t comment = text.find_first_of(";#");
    if (comment != std::string::npos) text.erase(comment);
    return TrimSpaces(std::move(text));
}

// Upper case, words joined by single underscores, other punctuation dropped.
std::string NormalizeKeyName(std::string text) {
    const std::string unquoted = Unquote(TrimSpaces(std::move(text)));
    std::string result;
    for (char c : unquoted) {
        if (IsLetterOrDigit(c)) {
            result += ToUpper(c);
        } else if (IsWordSeparator(c) && !result.empty() && result.back() != '_') {
            result += '_';
        }
    }
    while (!result.empty() && result.back() == '_') result.pop_back();
    return result;
}

}  // namespace dk
