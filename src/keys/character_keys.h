#pragma once
// The keys whose label depends on the keyboard layout. The game reads scan
// codes, which name a key's place; what is printed on the key at that place,
// and which virtual key Windows reports for it, is the layout's choice.
#include <array>
#include <cstdint>

#include "keys/key_code.h"

namespace dk {

// Letters, digits and the punctuation keys, whatever their place.
constexpr bool IsCharacterKey(int virtualKey) {
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z') ||
           (virtualKey >= 0xBA && virtualKey <= 0xC0) || (virtualKey >= 0xDB && virtualKey <= 0xDF) ||
           virtualKey == 0xE2;
}

// A layout's place for a character key counts only within the main block of
// keys (F12 and below); for anything else the fixed table holds.
inline constexpr uint32_t kHighestLayoutScanCode = 0x58;

// The places of the keys that are character keys on a US keyboard.
inline constexpr KeyCode kHighestCharacterPlace = 86;

constexpr bool IsCharacterPlace(KeyCode code) {
    return (code >= 2 && code <= 13) || (code >= 16 && code <= 27) || (code >= 30 && code <= 41) ||
           (code >= 43 && code <= 53) || code == kHighestCharacterPlace;
}

struct PlaceCharacter {
    KeyCode place;
    char16_t character;
};

// What a US keyboard types at its punctuation places.
inline constexpr PlaceCharacter kUsPunctuation[] = {
    {12, u'-'}, {13, u'='}, {26, u'['}, {27, u']'}, {39, u';'}, {40, u'\''},
    {41, u'`'}, {43, u'\\'}, {51, u','}, {52, u'.'}, {53, u'/'}, {86, u'\\'},
};

// The same by place; 0 at the letters and digits.
inline constexpr auto kUsCharacterAt = [] {
    std::array<char16_t, kHighestCharacterPlace + 1> at{};
    for (const PlaceCharacter& key : kUsPunctuation) at[key.place] = key.character;
    return at;
}();

}  // namespace dk
