#include "keys/layout_key_name.h"

#include "keys/character_keys.h"

namespace dk {
namespace {

constexpr bool IsLetterOrDigit(uint32_t virtualKey) {
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
}

// Windows gives these keys' letters in lower case; the names are capitals, as
// printed on the keys. Latin-1 has no capital of the division sign or of ÿ.
constexpr char16_t UpperLatin1(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - (u'a' - u'A');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    return c;
}

// Control characters and other scripts keep the fixed name.
constexpr bool IsPrintableLatin1(char16_t c) { return (c >= 0x21 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFF); }

}  // namespace

char16_t LayoutKeyName(KeyCode place, uint32_t virtualKey, uint32_t character) {
    if (!IsCharacterPlace(place) || virtualKey == 0) return 0;
    if (IsLetterOrDigit(virtualKey)) return static_cast<char16_t>(virtualKey);
    // The top bit marks a dead key; its own character is in the low half.
    const char16_t shown = UpperLatin1(static_cast<char16_t>(character & 0xFFFF));
    if (!IsPrintableLatin1(shown) || shown == kUsCharacterAt[place]) return 0;
    return shown;
}

}  // namespace dk
