#include "keys/keyboard_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "keys/key_display_name.h"
#include "keys/key_name_text.h"
#include "keys/layout_label.h"
#include "keys/virtual_key_codes.h"
#include "keys/virtual_keys.h"
#include "support/fake_platform.h"

namespace dk {
namespace {

std::u16string Widened(const char* name) { return std::u16string(name, name + std::char_traits<char>::length(name)); }

class KeyboardLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows = &fake::InstallFakePlatform();
        ResetKeyboardLayout();
    }
    void TearDown() override { ResetKeyboardLayout(); }

    void PutInForce(KeyboardLayout layout) {
        windows->gameLayout = layout;
        LookForLayoutChange(fake::kGameThread);
    }

    fake::FakePlatformState* windows = nullptr;
};

struct LayoutCase {
    const char* what;
    KeyboardLayout layout;
    std::vector<std::pair<int, KeyCode>> captured;  // virtual key found down, code bound
    std::vector<std::pair<KeyCode, int>> polled;    // code, virtual key polled
    std::vector<std::pair<KeyCode, std::u16string>> names;
    std::vector<std::pair<KeyCode, std::string>> labels;  // UTF-8, empty where the fixed name stands
};

class LayoutCaseTest : public KeyboardLayoutTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutCaseTest, BindsPlacesPollsPlacesShowsLabels) {
    const LayoutCase& c = GetParam();
    PutInForce(c.layout);
    for (const auto& [virtualKey, code] : c.captured) EXPECT_EQ(CapturedKeyCode(virtualKey), code) << virtualKey;
    for (const auto& [code, virtualKey] : c.polled) {
        int polled = 0;
        EXPECT_TRUE(PolledVirtualKey(code, polled)) << code;
        EXPECT_EQ(polled, virtualKey) << code;
    }
    for (const auto& [code, name] : c.names) EXPECT_EQ(std::u16string(KeyNameWide(code)), name) << code;
    for (const auto& [code, label] : c.labels) EXPECT_EQ(LayoutLabel(code), label) << code;
}

// Keys that are not character keys bind, poll and show as on every keyboard.
const std::vector<std::pair<int, KeyCode>> kFixedCaptures = {
    {kVkF1 + 4, 63}, {kVkUp, 200}, {kVkRControl, 157}, {kVkLButton, 222}, {kVkNumpad7, 71}, {kVkLWin, NONE}};

std::vector<std::pair<int, KeyCode>> With(std::vector<std::pair<int, KeyCode>> cases) {
    cases.insert(cases.end(), kFixedCaptures.begin(), kFixedCaptures.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutCaseTest,
    ::testing::Values(
        LayoutCase{"azerty",
                   fake::kAzertyLayout,
                   With({{'Z', 17}, {'A', 16}, {'Q', 30}, {'W', 44}, {'M', 39}, {0xDF, 53}, {'2', 3}}),
                   {{16, 'A'}, {30, 'Q'}, {17, 'Z'}, {39, 'M'}, {53, 0xDF}, {28, kVkReturn}, {71, kVkNumpad7}},
                   {{16, u"A"}, {17, u"Z"}, {30, u"Q"}, {39, u"M"}, {3, u"2"}, {26, u"^"}, {40, u"\u00D9"},
                    {41, u"\u00B2"}, {43, u"*"}, {50, u","}, {53, u"!"}, {86, u"<"}, {13, u"EQUALS"},
                    {28, u"RETURN"}, {157, u"RCONTROL"}, {71, u"NUMPAD7"}, {200, u"UP"}},
                   {{17, "Z"}, {30, "Q"}, {40, "\xC3\x99"}, {41, "\xC2\xB2"}, {3, ""}, {13, ""}, {28, ""}}},
        LayoutCase{"qwertz",
                   fake::kQwertzLayout,
                   With({{'Z', 21}, {'Y', 44}, {0xDB, 12}, {0xBA, 26}, {0xBD, 53}}),
                   {{21, 'Z'}, {44, 'Y'}, {12, 0xDB}},
                   {{21, u"Z"}, {44, u"Y"}, {12, u"\u00DF"}, {13, u"\u00B4"}, {26, u"\u00DC"}, {39, u"\u00D6"},
                    {40, u"\u00C4"}, {41, u"^"}, {43, u"#"}, {53, u"-"}, {27, u"+"}, {51, u"COMMA"}},
                   {{21, "Z"}, {44, "Y"}, {12, "\xC3\x9F"}, {17, ""}, {51, ""}}},
        // Letters other than Latin-1 ones keep the US names.
        LayoutCase{"russian",
                   fake::kRussianLayout,
                   With({{'Q', 16}, {0xDB, 26}}),
                   {{16, 'Q'}},
                   {{16, u"Q"}, {26, u"LBRACKET"}, {39, u"SEMICOLON"}, {41, u"GRAVE"}, {52, u"PERIOD"}},
                   {{16, ""}, {26, ""}}}),
    [](const auto& info) { return std::string(info.param.what); });

// On a US keyboard, and where Windows answers nothing, every code, name and
// polled key is exactly the fixed tables'.
TEST_F(KeyboardLayoutTest, UsAndSilentLayoutsAreTheFixedTables) {
    for (KeyboardLayout layout : {fake::kUsLayout, fake::kSilentLayout}) {
        SCOPED_TRACE(layout);
        PutInForce(layout);
        for (int key = 0; key <= 255; ++key) EXPECT_EQ(CapturedKeyCode(key), VirtualKeyToKeyCode(key)) << key;
        for (KeyCode code = -300; code <= 300; ++code) {
            int polled = 777;
            int fixed = 777;
            EXPECT_EQ(PolledVirtualKey(code, polled), KeyCodeToVirtualKey(code, fixed)) << code;
            EXPECT_EQ(polled, fixed) << code;
            EXPECT_EQ(std::u16string(KeyNameWide(code)), Widened(KeyDisplayName(code))) << code;
            EXPECT_EQ(LayoutLabel(code), "") << code;
        }
    }
}

// The game may keep a name pointer while the layout changes under it.
TEST_F(KeyboardLayoutTest, NamesHandedOutStayAndEachLayoutIsReadOnce) {
    PutInForce(fake::kAzertyLayout);
    const char16_t* azertyZ = KeyNameWide(17);
    PutInForce(fake::kQwertzLayout);
    EXPECT_EQ(std::u16string(KeyNameWide(17)), u"W");
    EXPECT_EQ(std::u16string(azertyZ), u"Z");
    const int mappings = windows->keyMappings;
    PutInForce(fake::kAzertyLayout);
    EXPECT_EQ(windows->keyMappings, mappings);
    EXPECT_EQ(KeyNameWide(17), azertyZ);
}

// The game's own thread decides; until it is seen, the asking thread's layout
// holds, and while the game is behind, the last one seen.
TEST_F(KeyboardLayoutTest, LayoutOfTheGameInFrontElseTheLastSeen) {
    windows->ownLayout = fake::kQwertzLayout;
    windows->gameLayout = fake::kAzertyLayout;
    EXPECT_EQ(LayoutInForce(), 0u);
    LookForLayoutChange(0);
    EXPECT_EQ(std::u16string(KeyNameWide(21)), u"Z");
    EXPECT_EQ(LayoutInForce(), fake::kQwertzLayout);
    LookForLayoutChange(fake::kGameThread);
    EXPECT_EQ(std::u16string(KeyNameWide(17)), u"Z");
    EXPECT_EQ(LayoutInForce(), fake::kAzertyLayout);
    EXPECT_EQ(windows->layoutThreads, (std::vector<uint32_t>{0, fake::kGameThread}));
    windows->ownLayout = fake::kUsLayout;
    LookForLayoutChange(0);
    EXPECT_EQ(std::u16string(KeyNameWide(17)), u"Z");
    EXPECT_EQ(windows->layoutThreads.size(), 2u);
}

}  // namespace
}  // namespace dk
