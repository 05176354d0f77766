#include "keys/key_name_text.h"

#include <gtest/gtest.h>

#include <string>

namespace dk {
namespace {

TEST(KeyNameWide, GivesTheDisplayNameInOneReusedBuffer) {
    const char16_t* first = KeyNameWide(157);
    EXPECT_EQ(std::u16string(first), u"RCONTROL");

    const char16_t* second = KeyNameWide(0);
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::u16string(first), u"*No Keybind Set*");

    // A shorter name after a longer one must end at its own terminator.
    KeyNameWide(1);
    EXPECT_EQ(std::u16string(first), u"ESCAPE");
    EXPECT_EQ(std::u16string(KeyNameWide(4242)), u"unsupported");
}

struct CutCase {
    size_t length;
    size_t kept;
};

TEST(WidenKeyName, CutsLongNamesToFitWithTerminator) {
    const CutCase cases[] = {{0, 0}, {62, 62}, {63, 63}, {64, 63}, {200, 63}};
    for (const CutCase& c : cases) {
        std::string name;
        for (size_t i = 0; i < c.length; ++i) name += static_cast<char>('A' + i % 26);
        struct {
            char16_t out[kWideNameCapacity];
            char16_t guard = u'#';  // catches a write past the buffer
        } buffer;
        for (char16_t& unit : buffer.out) unit = u'#';

        WidenKeyName(name.c_str(), buffer.out);

        const std::u16string expected(name.begin(), name.begin() + c.kept);
        EXPECT_EQ(std::u16string(buffer.out), expected) << "length " << c.length;
        EXPECT_EQ(buffer.guard, u'#') << "length " << c.length;
    }
}

}  // namespace
}  // namespace dk
