#include "keys/number_token.h"

namespace dk {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool HasHexPrefix(const std::string& text, size_t at) {
    return at + 2 < text.size() && text[at] == '0' &&
           (text[at + 1] == 'x' || text[at + 1] == 'X') && DigitValue(text[at + 2]) < 16;
}

}  // namespace

// Written out rather than borrowed from strtol: its reading of the prefixes has
// grown with newer C libraries, and `long` is 64 bits on some hosts.
bool ParseInt32Base0(const std::string& text, int32_t& value) {
    size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;

    int base = 10;
    if (HasHexPrefix(text, at)) {
        base = 16;
        at += 2;
    } else if (at < text.size() && text[at] == '0') {
        base = 8;
    }

    // One past the largest magnitude: that of the lowest value.
    constexpr uint64_t kLimit = uint64_t{1} << 31;
    uint64_t magnitude = 0;
    const size_t firstDigit = at;
    for (; at < text.size() && DigitValue(text[at]) < base; ++at) {
        magnitude = magnitude * base + DigitValue(text[at]);
        if (magnitude > kLimit) return false;
    }
    if (at == firstDigit || at != text.size()) return false;
    if (!negative && magnitude == kLimit) return false;

    const int64_t signedValue = negative ? -static_cast<int64_t>(magnitude)
                                         : static_cast<int64_t>(magnitude);
    value = static_cast<int32_t>(signedValue);
    return true;
}

}  // namespace dk
