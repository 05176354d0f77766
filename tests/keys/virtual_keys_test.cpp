#include "keys/virtual_keys.h"

#include <gtest/gtest.h>

#include "keys/virtual_key_codes.h"

namespace dk {
namespace {

struct KeyCase {
    int virtualKey;
    KeyCode code;
};

TEST(VirtualKeyToKeyCode, TranslatesCapturedKeys) {
    const KeyCase cases[] = {
        {kVkLButton, 222}, {kVkRButton, 224}, {kVkXButton1, -28}, {kVkXButton2, -29},
        {kVkBack, 14}, {kVkReturn, 28}, {kVkShift, 42}, {kVkControl, 29}, {kVkPause, 197},
        {kVkEscape, 1}, {kVkUp, 200}, {kVkDelete, 211}, {'0', 11}, {'1', 2}, {'9', 10},
        {'A', 30}, {'M', 50}, {'Q', 16}, {'Z', 44}, {kVkNumpad0, 82}, {kVkNumpad9, 73},
        {kVkMultiply, 55}, {kVkDivide, 181}, {kVkF1, 59}, {kVkF10, 68}, {kVkF11, 87},
        {kVkF15, 102}, {kVkOem1, 39}, {kVkOemPlus, 13}, {kVkOem6, 27},
        {kVkCapital, 58}, {kVkPrior, 201}, {kVkNext, 209}, {kVkApps, 221}, {kVkNumLock, 69},
        {kVkScroll, 70}, {kVkOemMinus, 12}, {kVkOem7, 40}, {kVkOem102, 86},
        // Side-specific modifiers, which the top-down capture scan meets first.
        {kVkLShift, 42}, {kVkRShift, 54}, {kVkLControl, 29}, {kVkRControl, 157},
        {kVkLMenu, 56}, {kVkRMenu, 184},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(VirtualKeyToKeyCode(c.virtualKey), c.code) << c.virtualKey;
}

TEST(VirtualKeyToKeyCode, UnknownKeysGiveNone) {
    const int keys[] = {
        0, kVkMButton, kVkMenu, kVkSnapshot, kVkLWin, kVkRWin, kVkSeparator, kVkF16, kVkF24,
        223, 254, 255, 256, -1,
    };
    for (int key : keys) EXPECT_EQ(VirtualKeyToKeyCode(key), NONE) << key;
}

// 95 keys, the six side-specific modifiers and nine more.
TEST(VirtualKeyToKeyCode, MapsExactly110Keys) {
    int mapped = 0;
    for (int key = 0; key <= 255; ++key) mapped += VirtualKeyToKeyCode(key) != NONE ? 1 : 0;
    EXPECT_EQ(mapped, 110);
}

TEST(KeyCodeToVirtualKey, TranslatesPolledCodes) {
    const KeyCase cases[] = {
        {kVkLButton, -34}, {kVkRButton, -32}, {kVkXButton1, -28}, {kVkXButton2, -29},
        {kVkEscape, 1}, {'1', 2}, {'0', 11}, {kVkBack, 14}, {kVkTab, 15}, {'Q', 16},
        {'P', 25}, {kVkReturn, 28}, {'A', 30}, {'L', 38}, {'Z', 44}, {'M', 50},
        {kVkSpace, 57}, {kVkF1, 59}, {kVkF10, 68}, {kVkF11, 87}, {kVkF15, 102},
        {kVkCapital, 58}, {kVkOemMinus, 12}, {kVkOem102, 86}, {kVkNumpad7, 71}, {kVkDivide, 181},
        {kVkUp, 200}, {kVkPrior, 201}, {kVkApps, 221}, {kVkRMenu, 184}, {kVkRControl, 157},
        // Polled by the side the code names, not by the generic key.
        {kVkLShift, 42}, {kVkLControl, 29}, {kVkLMenu, 56},
    };
    for (const KeyCase& c : cases) {
        int virtualKey = 0;
        EXPECT_TRUE(KeyCodeToVirtualKey(c.code, virtualKey)) << c.code;
        EXPECT_EQ(virtualKey, c.virtualKey) << c.code;
    }
}

TEST(KeyCodeToVirtualKey, FailsWithoutTouchingTheOutput) {
    // Codes no key captures: keypad Enter shares Enter's virtual key.
    const KeyCode codes[] = {
        0, -1, -33, -35, 222, 224, 84, 85, 89, 103, 156, 198, 212, 255, 256, -99, -100,
    };
    for (KeyCode code : codes) {
        int virtualKey = 777;
        EXPECT_FALSE(KeyCodeToVirtualKey(code, virtualKey)) << code;
        EXPECT_EQ(virtualKey, 777) << code;
    }
}

// As the game's table gives a captured code back.
KeyCode Polled(KeyCode captured) { return captured == 222 ? MOUSE_LEFT : captured == 224 ? MOUSE_RIGHT : captured; }

TEST(KeyCodeToVirtualKey, PollsEveryCapturableCodeAndNothingElse) {
    int polled = 0;
    for (KeyCode code = -1000; code <= 1000; ++code) {
        int virtualKey = 0;
        if (!KeyCodeToVirtualKey(code, virtualKey)) continue;
        ++polled;
        EXPECT_EQ(Polled(VirtualKeyToKeyCode(virtualKey)), code) << code;
    }
    // Shift and Control each have two keys that capture the same code.
    EXPECT_EQ(polled, 108);
    for (int key = 1; key <= 254; ++key) {
        const KeyCode captured = VirtualKeyToKeyCode(key);
        int virtualKey = 0;
        if (captured == NONE) continue;
        EXPECT_TRUE(KeyCodeToVirtualKey(Polled(captured), virtualKey)) << key;
    }
}

}  // namespace
}  // namespace dk
