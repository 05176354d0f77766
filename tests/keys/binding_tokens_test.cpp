#include "keys/binding_tokens.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "keys/key_code.h"
#include "keys/key_name_map.h"

namespace dk {
namespace {

constexpr KeyCode kMin = std::numeric_limits<int32_t>::min();
constexpr KeyCode kMax = std::numeric_limits<int32_t>::max();

struct FormatCase {
    KeyCode code;
    std::string token;
};

TEST(FormatKeyToken, NamesWhereThereAreNamesNumbersElsewhere) {
    const FormatCase cases[] = {
        {0, "NONE"}, {-1, "PRESS_A_KEY"}, {2, "KEY_1"}, {10, "KEY_9"}, {11, "KEY_0"},
        {1, "ESCAPE"}, {14, "BACK"}, {56, "LMENU"}, {88, "F12"}, {156, "NUMPADENTER"},
        {-34, "MOUSE_LEFT"}, {222, "MOUSE_LEFT"}, {-32, "MOUSE_RIGHT"}, {224, "MOUSE_RIGHT"},
        {-28, "MOUSE_X1"}, {-29, "MOUSE_X2"},
        {84, "84"}, {-2, "-2"}, {-33, "-33"}, {-128, "-128"}, {255, "255"},
        {86, "OEM_102"}, {181, "DIVIDE"}, {184, "RMENU"}, {200, "UP"}, {201, "PRIOR"}, {209, "NEXT"},
        {221, "APPS"}, {-100, "NUMPADENTER"}, {-99, "RCONTROL"},
        {kMin, "-2147483648"}, {kMax, "2147483647"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(FormatKeyToken(c.code), c.token) << c.code;
}

struct ParseCase {
    std::string token;
    KeyCode code;
};

TEST(ParseKeyToken, ReadsNamesAliasesAndQuotes) {
    const ParseCase cases[] = {
        {"MOUSE_X1", -28}, {"mouse_x1", -28}, {"Mouse X1", -28}, {"mouse-x1", -28},
        {"\"MOUSE_X1\"", -28}, {"'mouse x1'", -28},
        {"key 1", 2}, {"KEY_0", 11}, {"ENTER", 28}, {"enter", 28}, {"Return", 28},
        {"LALT", 56}, {"LeftAlt", 56}, {"lmenu", 56}, {"CAPSLOCK", 58},
        {"BACKSPACE", 14}, {"BACK", 14}, {"PRESSAKEY", -1}, {"PRESS_A_KEY", -1},
        {"PRESS A KEY", -1}, {"NO_KEYBIND_SET", 0}, {"*No Keybind Set*", 0}, {"NONE", 0},
        {"NUMPAD7", 71}, {"MOUSE LEFT", -34}, {"numpadenter", 156}, {"rcontrol", 157},
        {"MOUSE_X1 ; thumb button", -28}, {"  f15 # last", 102},
        {"OEM_102", 86}, {"oem 102", 86}, {"DIVIDE", 181}, {"RMENU", 184}, {"ralt", 184},
        {"PAUSE", 197}, {"HOME", 199}, {"UP", 200}, {"UpArrow", 200}, {"PRIOR", 201},
        {"PAGEUP", 201}, {"PgUp", 201}, {"LEFT", 203}, {"LEFTARROW", 203}, {"RIGHT", 205},
        {"rightarrow", 205}, {"END", 207}, {"DOWN", 208}, {"DOWNARROW", 208}, {"NEXT", 209},
        {"PageDown", 209}, {"PGDN", 209}, {"INSERT", 210}, {"DELETE", 211}, {"APPS", 221},
    };
    for (const ParseCase& c : cases) {
        KeyCode code = 12345;
        EXPECT_TRUE(ParseKeyToken(c.token, code)) << c.token;
        EXPECT_EQ(code, c.code) << c.token;
    }
}

TEST(ParseKeyToken, ReadsNumbersAsCBase0) {
    const ParseCase cases[] = {
        {"-28", -28}, {"28", 28}, {"0x1C", 28}, {"0X1c", 28}, {"034", 28}, {"+28", 28},
        {"-0x1C", -28}, {"999", 999}, {"1", 1}, {"0", 0}, {"00", 0}, {"-0", 0},
        {"57#space", 57}, {"2147483647", kMax}, {"-2147483648", kMin},
        {"0x7FFFFFFF", kMax}, {"-0x80000000", kMin}, {"000000000000000000000042", 34},
    };
    for (const ParseCase& c : cases) {
        KeyCode code = 12345;
        EXPECT_TRUE(ParseKeyToken(c.token, code)) << c.token;
        EXPECT_EQ(code, c.code) << c.token;
    }
}

TEST(ParseKeyToken, FailsWithoutTouchingTheOutput) {
    const std::string tokens[] = {
        "", "   ", "; comment", "# comment", "unsupported", "left alt", "caps lock",
        "numpad 7", "KEY_10", "MOUSE", "2147483648", "-2147483649", "0x80000000",
        "99999999999999999999", "12abc", "08", "0x", "0xG", "+", "-", "+-1", "- 1",
        "\"28\"", "'28'", "0b1", "1.5", "1e3", "page up", "up arrow", "right alt",
    };
    for (const std::string& token : tokens) {
        KeyCode code = 12345;
        EXPECT_FALSE(ParseKeyToken(token, code)) << token;
        EXPECT_EQ(code, 12345) << token;
    }
}

TEST(ParseKeyToken, ReadsBackWhatFormatWrites) {
    std::vector<KeyCode> codes = {kMin, kMin + 1, kMax};
    for (KeyCode code = -300; code <= 300; ++code) codes.push_back(code);
    for (KeyCode code : codes) {
        const std::string token = FormatKeyToken(code);
        KeyCode parsed = 12345;
        ASSERT_TRUE(ParseKeyToken(token, parsed)) << code << " as " << token;
        // The game keeps one byte, so 222 and 224 are its mouse buttons, and a
        // named key's signed reading is that key.
        const bool signedReading = code < PRESS_A_KEY && !IsMouseCode(code) && token[0] != '-';
        const KeyCode expected =
            code == 222 ? MOUSE_LEFT : code == 224 ? MOUSE_RIGHT : signedReading ? code + 256 : code;
        EXPECT_EQ(parsed, expected) << code << " as " << token;
    }
}

TEST(KeyNameMap, HoldsTheNamedScanCodesAndBackspace) {
    const auto& names = KeyNameMap();
    EXPECT_EQ(names.size(), 96u);
    const ParseCase present[] = {
        {"ESCAPE", 1}, {"MINUS", 12}, {"BACK", 14}, {"BACKSPACE", 14}, {"LCONTROL", 29},
        {"DECIMAL", 83}, {"OEM_102", 86}, {"F11", 87}, {"F15", 102}, {"NUMPADENTER", 156},
        {"RCONTROL", 157}, {"DIVIDE", 181}, {"UP", 200}, {"APPS", 221},
    };
    for (const ParseCase& c : present) {
        ASSERT_EQ(names.count(c.token), 1u) << c.token;
        EXPECT_EQ(names.at(c.token), c.code) << c.token;
    }
    // Digit keys, mouse buttons and fixed codes have special tokens instead.
    for (const char* absent : {"1", "0", "MOUSE LEFT", "MOUSE_LEFT", "PRESS A KEY", "unsupported"}) {
        EXPECT_EQ(names.count(absent), 0u) << absent;
    }
}

}  // namespace
}  // namespace dk
