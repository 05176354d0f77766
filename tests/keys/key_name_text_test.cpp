#include "keys/key_name_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "keys/key_display_name.h"

namespace dk {
namespace {

std::u16string Widened(const char* name) { return std::u16string(name, name + std::char_traits<char>::length(name)); }

// Game threads keep a name while others ask: each answer is a constant that
// no later call changes.
TEST(KeyNameWide, EveryCodeGivesItsDisplayNameAsAConstant) {
    std::vector<KeyCode> codes = {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    for (KeyCode code = -300; code <= 300; ++code) codes.push_back(code);
    const char16_t* rcontrol = KeyNameWide(157);
    for (KeyCode code : codes) {
        const char16_t* wide = KeyNameWide(code);
        EXPECT_EQ(std::u16string(wide), Widened(KeyDisplayName(code))) << code;
        EXPECT_EQ(KeyNameWide(code), wide) << code;
    }
    EXPECT_EQ(std::u16string(rcontrol), u"RCONTROL");
    EXPECT_EQ(KeyNameWide(-99), rcontrol);
}

}  // namespace
}  // namespace dk
