#include <gtest/gtest.h>

#include <string>

#include "keys/binding_tokens.h"

namespace dk {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(TrimSpaces, RemovesEveryKindOfWhiteSpaceAtBothEndsOnly) {
    const TextCase cases[] = {
        {"", ""}, {" \t\r\n\v\f", ""}, {" \t A B \r\n", "A B"},
        {"\vX\f", "X"}, {"x", "x"}, {std::string("\xA0x\xA0"), std::string("\xA0x\xA0")},
    };
    for (const TextCase& c : cases) EXPECT_EQ(TrimSpaces(c.input), c.expected) << c.input;
}

TEST(StripComment, CutsAtTheFirstMarkerThenTrims) {
    const TextCase cases[] = {
        {"MOUSE_X1 ; thumb", "MOUSE_X1"}, {" 57#space", "57"}, {"a # b ; c", "a"},
        {"a ; b # c", "a"}, {"; only", ""}, {"#", ""}, {"  plain  ", "plain"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(StripComment(c.input), c.expected) << c.input;
}

TEST(NormalizeKeyName, JoinsWordsWithSingleUnderscoresAndUpperCases) {
    const TextCase cases[] = {
        {"*No Keybind Set*", "NO_KEYBIND_SET"},
        {"MOUSE LEFT", "MOUSE_LEFT"},
        {"key - 5", "KEY_5"},
        {"--_a-_-b__-", "A_B"},
        {"\t mouse\tx1 ", "MOUSE_X1"},
        {"a.b", "AB"},
        {"\"\"", ""},
        {"'mouse x1'", "MOUSE_X1"},
        {"\"mouse x1'", "MOUSE_X1"},            // unmatched quotes are just dropped
        {"\"'x'\"", "X"},                       // one pair removed, the rest dropped
        {"\" key 1 \"", "KEY_1"},
        {std::string("caf\xC3\xA9"), "CAF"},    // bytes above 127 are no letters
        {"a\nb", "AB"},                         // only space and tab separate words
    };
    for (const TextCase& c : cases) EXPECT_EQ(NormalizeKeyName(c.input), c.expected) << c.input;
}

}  // namespace
}  // namespace dk
