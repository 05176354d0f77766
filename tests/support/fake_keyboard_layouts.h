#pragma once
// Keyboard layouts as Windows' MapVirtualKeyExW answers for them, for the
// character keys only: US in full, the others as the keys that differ from it.
// Shared by the unit tests' fake Windows and the stand-in game.
#include <array>
#include <cstddef>
#include <cstdint>

namespace dk::fake {

// One key: its place (scan code), its virtual key, and what it types unshifted.
struct LayoutKey {
    uint8_t scanCode;
    uint8_t virtualKey;
    char16_t character;
    bool dead = false;  // a dead key: Windows sets the top bit of the character
};

inline constexpr uint32_t kUsLayout = 0x04090409;
inline constexpr uint32_t kAzertyLayout = 0x040C040C;
inline constexpr uint32_t kQwertzLayout = 0x04070407;
inline constexpr uint32_t kRussianLayout = 0x04190419;
// A layout for which Windows translates nothing.
inline constexpr uint32_t kSilentLayout = 0x0000BEEF;

inline constexpr LayoutKey kUsKeys[] = {
    {2, '1', u'1'}, {3, '2', u'2'}, {4, '3', u'3'}, {5, '4', u'4'}, {6, '5', u'5'},
    {7, '6', u'6'}, {8, '7', u'7'}, {9, '8', u'8'}, {10, '9', u'9'}, {11, '0', u'0'},
    {12, 0xBD, u'-'}, {13, 0xBB, u'='},
    {16, 'Q', u'Q'}, {17, 'W', u'W'}, {18, 'E', u'E'}, {19, 'R', u'R'}, {20, 'T', u'T'},
    {21, 'Y', u'Y'}, {22, 'U', u'U'}, {23, 'I', u'I'}, {24, 'O', u'O'}, {25, 'P', u'P'},
    {26, 0xDB, u'['}, {27, 0xDD, u']'},
    {30, 'A', u'A'}, {31, 'S', u'S'}, {32, 'D', u'D'}, {33, 'F', u'F'}, {34, 'G', u'G'},
    {35, 'H', u'H'}, {36, 'J', u'J'}, {37, 'K', u'K'}, {38, 'L', u'L'},
    {39, 0xBA, u';'}, {40, 0xDE, u'\''}, {41, 0xC0, u'`'}, {43, 0xDC, u'\\'},
    {44, 'Z', u'Z'}, {45, 'X', u'X'}, {46, 'C', u'C'}, {47, 'V', u'V'}, {48, 'B', u'B'},
    {49, 'N', u'N'}, {50, 'M', u'M'},
    {51, 0xBC, u','}, {52, 0xBE, u'.'}, {53, 0xBF, u'/'}, {86, 0xE2, u'\\'},
};
inline constexpr size_t kLayoutKeyCount = std::size(kUsKeys);

// French: A and Q, Z and W swapped, M beside L, and its own punctuation.
inline constexpr LayoutKey kAzertyChanges[] = {
    {12, 0xDB, u')'}, {16, 'A', u'A'}, {17, 'Z', u'Z'}, {26, 0xDD, u'^', true}, {27, 0xBA, u'$'},
    {30, 'Q', u'Q'}, {39, 'M', u'M'}, {40, 0xC0, u'\u00F9'}, {41, 0xDE, u'\u00B2'}, {43, 0xDC, u'*'},
    {44, 'W', u'W'}, {50, 0xBC, u','}, {51, 0xBE, u';'}, {52, 0xBF, u':'}, {53, 0xDF, u'!'},
    {86, 0xE2, u'<'},
};

// German: Y and Z swapped, umlauts and sharp s.
inline constexpr LayoutKey kQwertzChanges[] = {
    {12, 0xDB, u'\u00DF'}, {13, 0xDD, u'\u00B4', true}, {21, 'Z', u'Z'}, {26, 0xBA, u'\u00FC'},
    {27, 0xBB, u'+'}, {39, 0xC0, u'\u00F6'}, {40, 0xDE, u'\u00E4'}, {41, 0xDC, u'^', true},
    {43, 0xBF, u'#'}, {44, 'Y', u'Y'}, {53, 0xBD, u'-'}, {86, 0xE2, u'<'},
};

// Russian: the US virtual keys, Cyrillic letters on the punctuation keys.
inline constexpr LayoutKey kRussianChanges[] = {
    {26, 0xDB, u'\u0445'}, {27, 0xDD, u'\u044A'}, {39, 0xBA, u'\u0436'}, {40, 0xDE, u'\u044D'},
    {41, 0xC0, u'\u0451'}, {51, 0xBC, u'\u0431'}, {52, 0xBE, u'\u044E'},
};

using LayoutKeys = std::array<LayoutKey, kLayoutKeyCount>;

template <size_t N>
constexpr LayoutKeys WithChanges(const LayoutKey (&changes)[N]) {
    LayoutKeys keys{};
    for (size_t i = 0; i < kLayoutKeyCount; ++i) keys[i] = kUsKeys[i];
    for (const LayoutKey& change : changes) {
        for (LayoutKey& key : keys) {
            if (key.scanCode == change.scanCode) key = change;
        }
    }
    return keys;
}

inline constexpr LayoutKeys kUs = WithChanges(kUsKeys);
inline constexpr LayoutKeys kAzerty = WithChanges(kAzertyChanges);
inline constexpr LayoutKeys kQwertz = WithChanges(kQwertzChanges);
inline constexpr LayoutKeys kRussian = WithChanges(kRussianChanges);

// The keys of a layout, or null for one Windows translates nothing for.
constexpr const LayoutKeys* KeysOfLayout(uint32_t layout) {
    switch (layout) {
        case kUsLayout: return &kUs;
        case kAzertyLayout: return &kAzerty;
        case kQwertzLayout: return &kQwertz;
        case kRussianLayout: return &kRussian;
        default: return nullptr;
    }
}

// MapVirtualKeyExW for the modes 0 (virtual key to scan code), 1 (scan code to
// virtual key) and 2 (virtual key to character); 0 where the layout has nothing.
constexpr uint32_t MapKeyInLayout(uint32_t code, uint32_t mode, uint32_t layout) {
    const LayoutKeys* keys = KeysOfLayout(layout);
    if (keys == nullptr) return 0;
    for (const LayoutKey& key : *keys) {
        if (mode == 1 && key.scanCode == code) return key.virtualKey;
        if (mode == 0 && key.virtualKey == code) return key.scanCode;
        if (mode == 2 && key.virtualKey == code) return key.character | (key.dead ? 0x80000000u : 0u);
    }
    return 0;
}

}  // namespace dk::fake
