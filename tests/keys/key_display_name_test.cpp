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
        {86, "OEM_102"}, {181, "DIVIDE"}, {184, "RMENU"}, {197, "PAUSE"}, {199, "HOME"},
        {200, "UP"}, {201, "PRIOR"}, {203, "LEFT"}, {205, "RIGHT"}, {207, "END"},
        {208, "DOWN"}, {209, "NEXT"}, {210, "INSERT"}, {211, "DELETE"}, {221, "APPS"},
        // The game's signed reading of a byte names the key of that byte.
        {-99, "RCONTROL"}, {-100, "NUMPADENTER"}, {-56, "UP"}, {-35, "APPS"}, {-47, "NEXT"},
    };
    for (const NameCase& c : cases) {
        EXPECT_STREQ(KeyDisplayName(c.code), c.name) << "code " << c.code;
        EXPECT_TRUE(HasDisplayName(c.code)) << "code " << c.code;
    }
}

TEST(KeyDisplayName, GapsAndOutsideAreUnsupported) {
    const KeyCode codes[] = {
        84, 85, 89, 99, 103, 155, 158, 180, 198, 202, 212, 220, 223, 225, 227, 228, 255, 256,
        -2, -27, -30, -31, -33, -128, -129, -256,
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
    };
    for (KeyCode code : codes) {
        EXPECT_STREQ(KeyDisplayName(code), "unsupported") << "code " << code;
        EXPECT_FALSE(HasDisplayName(code)) << "code " << code;
    }
}

// 8 fixed and mouse codes, 1..83, 86..88, 100..102, 156, 157, 14 keys from 181
// to 221, and the 16 negative readings of the named keys above 127.
TEST(KeyDisplayName, ExactlyTheListedCodesHaveNames) {
    int named = 0;
    for (KeyCode code = -1000; code <= 1000; ++code) {
        const bool has = HasDisplayName(code);
        EXPECT_EQ(has, std::string(KeyDisplayName(code)) != "unsupported") << "code " << code;
        named += has ? 1 : 0;
    }
    EXPECT_EQ(named, 129);
}

}  // namespace
}  // namespace dk
