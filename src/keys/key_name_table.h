#pragma once
// The one list of key names, and which entry of it names each code. The narrow
// names and the game's UTF-16 names are both built from it at compile time.
#include <array>
#include <cstddef>

#include "keys/key_code.h"

namespace dk {

struct NamedCode {
    KeyCode code;
    const char* name;
};

// Every code with a name of its own; the name is also its file token.
inline constexpr NamedCode kNamedCodes[] = {
    {NONE, "*No Keybind Set*"}, {PRESS_A_KEY, "PRESS A KEY"},
    {MOUSE_LEFT, "MOUSE LEFT"}, {222, "MOUSE LEFT"},
    {MOUSE_RIGHT, "MOUSE RIGHT"}, {224, "MOUSE RIGHT"},
    {MOUSE_X1, "MOUSE X1"}, {MOUSE_X2, "MOUSE X2"},
    {1, "ESCAPE"},
    {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"},
    {7, "6"}, {8, "7"}, {9, "8"}, {10, "9"}, {11, "0"},
    {12, "MINUS"}, {13, "EQUALS"}, {14, "BACK"}, {15, "TAB"},
    {16, "Q"}, {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"},
    {21, "Y"}, {22, "U"}, {23, "I"}, {24, "O"}, {25, "P"},
    {26, "LBRACKET"}, {27, "RBRACKET"}, {28, "RETURN"}, {29, "LCONTROL"},
    {30, "A"}, {31, "S"}, {32, "D"}, {33, "F"}, {34, "G"},
    {35, "H"}, {36, "J"}, {37, "K"}, {38, "L"},
    {39, "SEMICOLON"}, {40, "APOSTROPHE"}, {41, "GRAVE"}, {42, "LSHIFT"},
    {43, "BACKSLASH"},
    {44, "Z"}, {45, "X"}, {46, "C"}, {47, "V"}, {48, "B"}, {49, "N"}, {50, "M"},
    {51, "COMMA"}, {52, "PERIOD"}, {53, "SLASH"}, {54, "RSHIFT"},
    {55, "MULTIPLY"}, {56, "LMENU"}, {57, "SPACE"}, {58, "CAPITAL"},
    {59, "F1"}, {60, "F2"}, {61, "F3"}, {62, "F4"}, {63, "F5"},
    {64, "F6"}, {65, "F7"}, {66, "F8"}, {67, "F9"}, {68, "F10"},
    {69, "NUMLOCK"}, {70, "SCROLL"},
    {71, "NUMPAD7"}, {72, "NUMPAD8"}, {73, "NUMPAD9"}, {74, "SUBTRACT"},
    {75, "NUMPAD4"}, {76, "NUMPAD5"}, {77, "NUMPAD6"}, {78, "ADD"},
    {79, "NUMPAD1"}, {80, "NUMPAD2"}, {81, "NUMPAD3"},
    {82, "NUMPAD0"}, {83, "DECIMAL"}, {86, "OEM_102"},
    {87, "F11"}, {88, "F12"},
    {100, "F13"}, {101, "F14"}, {102, "F15"},
    {156, "NUMPADENTER"}, {157, "RCONTROL"},
    {181, "DIVIDE"}, {184, "RMENU"}, {197, "PAUSE"},
    {199, "HOME"}, {200, "UP"}, {201, "PRIOR"}, {203, "LEFT"}, {205, "RIGHT"},
    {207, "END"}, {208, "DOWN"}, {209, "NEXT"}, {210, "INSERT"}, {211, "DELETE"},
    {221, "APPS"},
};

// What every other code shows.
inline constexpr const char* kUnsupportedName = "unsupported";

inline constexpr int kNamedCodeCount = static_cast<int>(std::size(kNamedCodes));

// The highest scan code with a name of its own; above it only the mouse
// buttons' 222 and 224 are named.
inline constexpr KeyCode kHighestNamedScanCode = 221;

// Looked-up codes span the game's signed reading of a byte (-128..-1) and
// every byte (0..255); everything outside is unnamed.
inline constexpr KeyCode kLowestLookedUpCode = -128;
inline constexpr KeyCode kHighestLookedUpCode = 255;
inline constexpr int kLookedUpCodeCount = kHighestLookedUpCode - kLowestLookedUpCode + 1;
inline constexpr int kUnnamed = -1;

// For each looked-up code, its entry in kNamedCodes or kUnnamed. The game may
// ask for a slot as its signed byte, so a negative code other than the fixed
// and mouse codes takes the name of its low byte (-99 is RCONTROL).
inline constexpr auto kNameEntryByCode = [] {
    std::array<int, kLookedUpCodeCount> entries{};
    entries.fill(kUnnamed);
    for (int i = 0; i < kNamedCodeCount; ++i) entries[kNamedCodes[i].code - kLowestLookedUpCode] = i;
    for (KeyCode code = kLowestLookedUpCode; code < 0; ++code) {
        int& entry = entries[code - kLowestLookedUpCode];
        if (entry == kUnnamed) entry = entries[code + 256 - kLowestLookedUpCode];
    }
    return entries;
}();

constexpr int NameEntryFor(KeyCode code) {
    if (code < kLowestLookedUpCode || code > kHighestLookedUpCode) return kUnnamed;
    return kNameEntryByCode[code - kLowestLookedUpCode];
}

}  // namespace dk
