#include "key_places.h"

#include <array>

namespace dk::check {

namespace {

using enum PlaceShape;

// A full-size ISO keyboard: function row, main block, navigation block and
// arrows, numeric keypad; then a five-button mouse. One key width is 4.
constexpr KeyPlace kPlaces[] = {
    // Function row.
    {1, "Esc", 0, 0, 4, 4, Key},
    {59, "F1", 8, 0, 4, 4, Key}, {60, "F2", 12, 0, 4, 4, Key}, {61, "F3", 16, 0, 4, 4, Key},
    {62, "F4", 20, 0, 4, 4, Key}, {63, "F5", 26, 0, 4, 4, Key}, {64, "F6", 30, 0, 4, 4, Key},
    {65, "F7", 34, 0, 4, 4, Key}, {66, "F8", 38, 0, 4, 4, Key}, {67, "F9", 44, 0, 4, 4, Key},
    {68, "F10", 48, 0, 4, 4, Key}, {87, "F11", 52, 0, 4, 4, Key}, {88, "F12", 56, 0, 4, 4, Key},
    {183, "PrtSc", 61, 0, 4, 4, Key}, {70, "Scroll", 65, 0, 4, 4, Key}, {197, "Pause", 69, 0, 4, 4, Key},
    // Number row.
    {41, "`", 0, 6, 4, 4, Key},
    {2, "1", 4, 6, 4, 4, Key}, {3, "2", 8, 6, 4, 4, Key}, {4, "3", 12, 6, 4, 4, Key},
    {5, "4", 16, 6, 4, 4, Key}, {6, "5", 20, 6, 4, 4, Key}, {7, "6", 24, 6, 4, 4, Key},
    {8, "7", 28, 6, 4, 4, Key}, {9, "8", 32, 6, 4, 4, Key}, {10, "9", 36, 6, 4, 4, Key},
    {11, "0", 40, 6, 4, 4, Key}, {12, "-", 44, 6, 4, 4, Key}, {13, "=", 48, 6, 4, 4, Key},
    {14, "Backspace", 52, 6, 8, 4, Key},
    // Top letter row.
    {15, "Tab", 0, 10, 6, 4, Key},
    {16, "Q", 6, 10, 4, 4, Key}, {17, "W", 10, 10, 4, 4, Key}, {18, "E", 14, 10, 4, 4, Key},
    {19, "R", 18, 10, 4, 4, Key}, {20, "T", 22, 10, 4, 4, Key}, {21, "Y", 26, 10, 4, 4, Key},
    {22, "U", 30, 10, 4, 4, Key}, {23, "I", 34, 10, 4, 4, Key}, {24, "O", 38, 10, 4, 4, Key},
    {25, "P", 42, 10, 4, 4, Key}, {26, "[", 46, 10, 4, 4, Key}, {27, "]", 50, 10, 4, 4, Key},
    {28, "Enter", 54, 10, 6, 8, IsoEnter},
    // Home row.
    {58, "Caps Lock", 0, 14, 7, 4, Key},
    {30, "A", 7, 14, 4, 4, Key}, {31, "S", 11, 14, 4, 4, Key}, {32, "D", 15, 14, 4, 4, Key},
    {33, "F", 19, 14, 4, 4, Key}, {34, "G", 23, 14, 4, 4, Key}, {35, "H", 27, 14, 4, 4, Key},
    {36, "J", 31, 14, 4, 4, Key}, {37, "K", 35, 14, 4, 4, Key}, {38, "L", 39, 14, 4, 4, Key},
    {39, ";", 43, 14, 4, 4, Key}, {40, "'", 47, 14, 4, 4, Key}, {43, "\\ #", 51, 14, 4, 4, Key},
    // Bottom letter row, with the extra key of ISO keyboards beside left Shift.
    {42, "Shift", 0, 18, 5, 4, Key}, {86, "< \\", 5, 18, 4, 4, Key},
    {44, "Z", 9, 18, 4, 4, Key}, {45, "X", 13, 18, 4, 4, Key}, {46, "C", 17, 18, 4, 4, Key},
    {47, "V", 21, 18, 4, 4, Key}, {48, "B", 25, 18, 4, 4, Key}, {49, "N", 29, 18, 4, 4, Key},
    {50, "M", 33, 18, 4, 4, Key}, {51, ",", 37, 18, 4, 4, Key}, {52, ".", 41, 18, 4, 4, Key},
    {53, "/", 45, 18, 4, 4, Key}, {54, "Shift", 49, 18, 11, 4, Key},
    // Space row.
    {29, "Ctrl", 0, 22, 5, 4, Key}, {219, "Win", 5, 22, 5, 4, Key}, {56, "Alt", 10, 22, 5, 4, Key},
    {57, "Space", 15, 22, 25, 4, Key}, {184, "Alt Gr", 40, 22, 5, 4, Key}, {220, "Win", 45, 22, 5, 4, Key},
    {221, "Menu", 50, 22, 5, 4, Key}, {157, "Ctrl", 55, 22, 5, 4, Key},
    // Navigation block and arrows.
    {210, "Insert", 61, 6, 4, 4, Key}, {199, "Home", 65, 6, 4, 4, Key}, {201, "PgUp", 69, 6, 4, 4, Key},
    {211, "Delete", 61, 10, 4, 4, Key}, {207, "End", 65, 10, 4, 4, Key}, {209, "PgDn", 69, 10, 4, 4, Key},
    {200, "\xE2\x86\x91", 65, 18, 4, 4, Key},
    {203, "\xE2\x86\x90", 61, 22, 4, 4, Key}, {208, "\xE2\x86\x93", 65, 22, 4, 4, Key},
    {205, "\xE2\x86\x92", 69, 22, 4, 4, Key},
    // Numeric keypad.
    {69, "Num Lock", 74, 6, 4, 4, Key}, {181, "/", 78, 6, 4, 4, Key}, {55, "*", 82, 6, 4, 4, Key},
    {74, "-", 86, 6, 4, 4, Key},
    {71, "7", 74, 10, 4, 4, Key}, {72, "8", 78, 10, 4, 4, Key}, {73, "9", 82, 10, 4, 4, Key},
    {78, "+", 86, 10, 4, 8, Key},
    {75, "4", 74, 14, 4, 4, Key}, {76, "5", 78, 14, 4, 4, Key}, {77, "6", 82, 14, 4, 4, Key},
    {79, "1", 74, 18, 4, 4, Key}, {80, "2", 78, 18, 4, 4, Key}, {81, "3", 82, 18, 4, 4, Key},
    {156, "Enter", 86, 18, 4, 8, Key},
    {82, "0", 74, 22, 8, 4, Key}, {83, ".", 82, 22, 4, 4, Key},
    // Mouse: the two main buttons, the wheel (no binding code), the two thumb buttons.
    {MOUSE_LEFT, "Left", 96, 6, 7, 10, MouseButton},
    {NONE, "", 103, 7, 2, 5, MouseButton},
    {MOUSE_RIGHT, "Right", 105, 6, 7, 10, MouseButton},
    {MOUSE_X2, "Button 5", 91, 17, 7, 4, MouseButton},
    {MOUSE_X1, "Button 4", 91, 21, 7, 4, MouseButton},
};

// Two places with the same kept byte would draw one game binding twice.
constexpr bool BytesAreDistinct() {
    for (size_t i = 0; i < std::size(kPlaces); ++i) {
        for (size_t j = i + 1; j < std::size(kPlaces); ++j) {
            const bool bothBindable = kPlaces[i].code != NONE && kPlaces[j].code != NONE;
            if (bothBindable && KeptByte(kPlaces[i].code) == KeptByte(kPlaces[j].code)) return false;
        }
    }
    return true;
}

constexpr bool InsideTheDrawing() {
    for (const KeyPlace& place : kPlaces) {
        if (place.x < 0 || place.y < 0 || place.x + place.w > kPlacesWidth || place.y + place.h > kPlacesHeight) {
            return false;
        }
    }
    return true;
}

static_assert(BytesAreDistinct());
static_assert(InsideTheDrawing());

}  // namespace

std::span<const KeyPlace> KeyPlaces() { return kPlaces; }

const KeyPlace* FindPlace(KeyCode code) {
    if (KeptByte(code) == 0) return nullptr;
    for (const KeyPlace& place : kPlaces) {
        if (place.code != NONE && KeptByte(place.code) == KeptByte(code)) return &place;
    }
    return nullptr;
}

}  // namespace dk::check
