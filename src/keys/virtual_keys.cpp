#include "keys/virtual_keys.h"

#include <array>

#include "keys/virtual_key_codes.h"

namespace dk {
namespace {

struct KeyPair {
    int virtualKey;
    KeyCode code;
};

// What a captured key binds. The left and right buttons come out as 222 and 224,
// which the game's byte-wide table holds as MOUSE_LEFT and MOUSE_RIGHT.
constexpr KeyPair kCaptureTable[] = {
    {kVkLButton, 222}, {kVkRButton, 224},
    {kVkXButton1, MOUSE_X1}, {kVkXButton2, MOUSE_X2},
    {kVkBack, 14}, {kVkTab, 15}, {kVkReturn, 28},
    {kVkShift, 42}, {kVkControl, 29}, {kVkPause, 197}, {kVkCapital, 58},
    {kVkEscape, 1}, {kVkSpace, 57},
    {kVkPrior, 201}, {kVkNext, 209}, {kVkEnd, 207}, {kVkHome, 199},
    {kVkLeft, 203}, {kVkUp, 200}, {kVkRight, 205}, {kVkDown, 208},
    {kVkInsert, 210}, {kVkDelete, 211},
    {'0', 11}, {'1', 2}, {'2', 3}, {'3', 4}, {'4', 5},
    {'5', 6}, {'6', 7}, {'7', 8}, {'8', 9}, {'9', 10},
    {'A', 30}, {'B', 48}, {'C', 46}, {'D', 32}, {'E', 18}, {'F', 33}, {'G', 34},
    {'H', 35}, {'I', 23}, {'J', 36}, {'K', 37}, {'L', 38}, {'M', 50}, {'N', 49},
    {'O', 24}, {'P', 25}, {'Q', 16}, {'R', 19}, {'S', 31}, {'T', 20}, {'U', 22},
    {'V', 47}, {'W', 17}, {'X', 45}, {'Y', 21}, {'Z', 44},
    {kVkApps, 221},
    {kVkNumpad0, 82}, {kVkNumpad1, 79}, {kVkNumpad2, 80}, {kVkNumpad3, 81},
    {kVkNumpad4, 75}, {kVkNumpad5, 76}, {kVkNumpad6, 77},
    {kVkNumpad7, 71}, {kVkNumpad8, 72}, {kVkNumpad9, 73},
    {kVkMultiply, 55}, {kVkAdd, 78}, {kVkSubtract, 74}, {kVkDecimal, 83}, {kVkDivide, 181},
    {kVkF1, 59}, {kVkF1 + 1, 60}, {kVkF1 + 2, 61}, {kVkF1 + 3, 62}, {kVkF1 + 4, 63},
    {kVkF1 + 5, 64}, {kVkF1 + 6, 65}, {kVkF1 + 7, 66}, {kVkF1 + 8, 67}, {kVkF10, 68},
    {kVkF11, 87}, {kVkF12, 88}, {kVkF13, 100}, {kVkF14, 101}, {kVkF15, 102},
    {kVkNumLock, 69}, {kVkScroll, 70},
    // The capture scan runs from the top and meets these before the generic
    // Shift and Control, so they must bind too, or Shift, Control and Alt
    // could never be captured. Being later in this table, they are also the
    // keys the generic codes are polled by.
    {kVkLShift, 42}, {kVkRShift, 54}, {kVkLControl, 29}, {kVkRControl, 157},
    {kVkLMenu, 56}, {kVkRMenu, 184},
    {kVkOem1, 39}, {kVkOemPlus, 13}, {kVkOemComma, 51}, {kVkOemMinus, 12}, {kVkOemPeriod, 52},
    {kVkOem2, 53}, {kVkOem3, 41}, {kVkOem4, 26}, {kVkOem5, 43}, {kVkOem6, 27}, {kVkOem7, 40},
    {kVkOem102, 86},
};

constexpr auto kCodeByVirtualKey = [] {
    std::array<KeyCode, kHighestScannedVirtualKey + 1> table{};
    for (const KeyPair& pair : kCaptureTable) table[pair.virtualKey] = pair.code;
    return table;
}();

// The game's table hands the two main buttons back as their negative codes.
constexpr KeyCode PolledForm(KeyCode captured) {
    if (captured == 222) return MOUSE_LEFT;
    if (captured == 224) return MOUSE_RIGHT;
    return captured;
}

// The reverse of the capture table, so every key that can be captured can be
// polled. Codes span MOUSE_LEFT..255; 0 marks a code no key captures, as no key
// has virtual-key code 0.
constexpr KeyCode kLowestPolled = MOUSE_LEFT;
constexpr KeyCode kHighestPolled = 255;

constexpr auto kVirtualKeyByCode = [] {
    std::array<int, kHighestPolled - kLowestPolled + 1> table{};
    for (const KeyPair& pair : kCaptureTable) table[PolledForm(pair.code) - kLowestPolled] = pair.virtualKey;
    return table;
}();

}  // namespace

KeyCode VirtualKeyToKeyCode(int virtualKey) {
    if (virtualKey < 0 || virtualKey > kHighestScannedVirtualKey) return NONE;
    return kCodeByVirtualKey[virtualKey];
}

bool KeyCodeToVirtualKey(KeyCode code, int& virtualKey) {
    if (code < kLowestPolled || code > kHighestPolled) return false;
    const int found = kVirtualKeyByCode[code - kLowestPolled];
    if (found == 0) return false;
    virtualKey = found;
    return true;
}

}  // namespace dk
