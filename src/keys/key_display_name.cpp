#include "keys/key_display_name.h"

#include <array>

namespace dk {
namespace {

constexpr const char* kUnsupported = "unsupported";

struct NamedCode {
    KeyCode code;
    const char* name;
};

// Every code with a name; all others are unsupported.
constexpr NamedCode kNamedCodes[] = {
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
    {82, "NUMPAD0"}, {83, "DECIMAL"},
    {87, "F11"}, {88, "F12"},
    {100, "F13"}, {101, "F14"}, {102, "F15"},
    {156, "NUMPADENTER"}, {157, "RCONTROL"},
};

// The named codes span MOUSE_LEFT..224, so one dense table covers them.
constexpr KeyCode kLowest = MOUSE_LEFT;
constexpr KeyCode kHighest = 224;

constexpr auto kDenseNames = [] {
    std::array<const char*, kHighest - kLowest + 1> table{};
    table.fill(kUnsupported);
    for (const NamedCode& entry : kNamedCodes) table[entry.code - kLowest] = entry.name;
    return table;
}();

}  // namespace

const char* KeyDisplayName(KeyCode code) {
    if (code < kLowest || code > kHighest) return kUnsupported;
    return kDenseNames[code - kLowest];
}

bool HasDisplayName(KeyCode code) {
    return KeyDisplayName(code) != kUnsupported;
}

}  // namespace dk
