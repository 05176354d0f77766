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
        // Side-specific modifiers, which the top-down capture scan meets first.
        {kVkLShift, 42}, {kVkRShift, 54}, {kVkLControl, 29}, {kVkRControl, 157},
        {kVkLMenu, 56}, {kVkRMenu, 184},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(VirtualKeyToKeyCode(c.virtualKey), c.code) << c.virtualKey;
}

TEST(VirtualKeyToKeyCode, UnknownKeysGiveNone) {
    const int keys[] = {
        0, kVkMButton, kVkMenu, kVkCapital, kVkPrior, kVkNext, kVkSnapshot, 91, 92, 93,
        kVkSeparator, kVkF16, 135, kVkNumLock, kVkScroll, kVkOemMinus, kVkOem7, 254, 255,
        256, -1,
    };
    for (int key : keys) EXPECT_EQ(VirtualKeyToKeyCode(key), NONE) << key;
}

// 95 keys plus the six side-specific modifiers.
TEST(VirtualKeyToKeyCode, MapsExactly101Keys) {
    int mapped = 0;
    for (int key = 0; key <= 255; ++key) mapped += VirtualKeyToKeyCode(key) != NONE ? 1 : 0;
    EXPECT_EQ(mapped, 101);
}

TEST(KeyCodeToVirtualKey, TranslatesPolledCodes) {
    const KeyCase cases[] = {
        {kVkLButton, -34}, {kVkRButton, -32}, {kVkXButton1, -28}, {kVkXButton2, -29},
        {kVkEscape, 1}, {'1', 2}, {'0', 11}, {kVkBack, 14}, {kVkTab, 15}, {'Q', 16},
        {'P', 25}, {kVkReturn, 28}, {'A', 30}, {'L', 38}, {'Z', 44}, {'M', 50},
        {kVkSpace, 57}, {kVkF1, 59}, {kVkF10, 68}, {kVkF11, 87}, {kVkF15, 102},
    };
    for (const KeyCase& c : cases) {
        int virtualKey = 0;
        EXPECT_TRUE(KeyCodeToVirtualKey(c.code, virtualKey)) << c.code;
        EXPECT_EQ(virtualKey, c.virtualKey) << c.code;
    }
}

TEST(KeyCodeToVirtualKey, FailsWithoutTouchingTheOutput) {
    const KeyCode codes[] = {
        0, -1, -33, -35, 222, 224, 12, 13, 26, 29, 39, 42, 43, 54, 55, 56, 58, 69, 71,
        83, 103, 156, 157, 200, -100,
    };
    for (KeyCode code : codes) {
        int virtualKey = 777;
        EXPECT_FALSE(KeyCodeToVirtualKey(code, virtualKey)) << code;
        EXPECT_EQ(virtualKey, 777) << code;
    }
}

TEST(KeyCodeToVirtualKey, EveryPolledCodeIsWhatItsKeyCaptures) {
    int polled = 0;
    for (KeyCode code = -1000; code <= 1000; ++code) {
        int virtualKey = 0;
        if (!KeyCodeToVirtualKey(code, virtualKey)) continue;
        ++polled;
        const KeyCode captured = code == MOUSE_LEFT ? 222 : code == MOUSE_RIGHT ? 224 : code;
        EXPECT_EQ(VirtualKeyToKeyCode(virtualKey), captured) << code;
    }
    EXPECT_EQ(polled, 60);
}

}  // namespace
}  // namespace dk
