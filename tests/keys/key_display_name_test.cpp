#include "keys/key_display_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace dk {
namespace {

struct NameCase {
    KeyCode code;
    const char* name;
};

TEST(KeyDisplayName, NamesAtEdgesOfEveryRun) {
    const NameCase cases[] = {
        {0, "*No Keybind Set*"}, {-1, "PRESS A KEY"},
        {-34, "MOUSE LEFT"}, {222, "MOUSE LEFT"}, {-32, "MOUSE RIGHT"}, {224, "MOUSE RIGHT"},
        {-28, "MOUSE X1"}, {-29, "MOUSE X2"},
        {1, "ESCAPE"}, {2, "1"}, {10, "9"}, {11, "0"}, {12, "MINUS"}, {14, "BACK"},
        {16, "Q"}, {25, "P"}, {26, "LBRACKET"}, {29, "LCONTROL"}, {30, "A"}, {38, "L"},
        {41, "GRAVE"}, {42, "LSHIFT"}, {44, "Z"}, {46, "C"}, {50, "M"}, {54, "RSHIFT"},
        {56, "LMENU"}, {58, "CAPITAL"}, {59, "F1"}, {68, "F10"}, {70, "SCROLL"},
        {71, "NUMPAD7"}, {74, "SUBTRACT"}, {78, "ADD"}, {82, "NUMPAD0"}, {83, "DECIMAL"},
        {87, "F11"}, {88, "F12"}, {100, "F13"}, {102, "F15"},
        {156, "NUMPADENTER"}, {157, "RCONTROL"},
    };
    for (const NameCase& c : cases) {
        EXPECT_STREQ(KeyDisplayName(c.code), c.name) << "code " << c.code;
        EXPECT_TRUE(HasDisplayName(c.code)) << "code " << c.code;
    }
}

TEST(KeyDisplayName, GapsAndOutsideAreUnsupported) {
    const KeyCode codes[] = {
        84, 86, 89, 99, 103, 155, 158, 181, 200, 221, 223, 225, 227, 228, 255, 256,
        -2, -27, -30, -31, -33, -35, -100, -256,
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
    };
    for (KeyCode code : codes) {
        EXPECT_STREQ(KeyDisplayName(code), "unsupported") << "code " << code;
        EXPECT_FALSE(HasDisplayName(code)) << "code " << code;
    }
}

// 8 fixed and mouse codes, 1..83, 87, 88, 100..102, 156, 157: nothing else is named.
TEST(KeyDisplayName, ExactlyTheListedCodesHaveNames) {
    int named = 0;
    for (KeyCode code = -1000; code <= 1000; ++code) {
        const bool has = HasDisplayName(code);
        EXPECT_EQ(has, std::string(KeyDisplayName(code)) != "unsupported") << "code " << code;
        named += has ? 1 : 0;
    }
    EXPECT_EQ(named, 98);
}

}  // namespace
}  // namespace dk
