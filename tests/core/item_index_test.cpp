// Reading an action index from a key-bind item's name.
#include <limits>

#include "core/item_index.h"
#include "core_test_env.h"

namespace dk::testing {
namespace {

TEST(ParseDecimalPrefixTest, ReadsLikeTheGamesNames) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"17", 17}, {"  \t42", 42}, {"+3", 3}, {"-5x", -5}, {"12abc", 12}, {"abc", 0}, {"", 0},
        {"-", 0},   {"0017", 17},   {"99999999999", kMax}, {"-99999999999", kMin}, {"-2147483648", kMin},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDecimalPrefix(c.text), c.value) << '"' << c.text << '"';
}

TEST_F(CoreTest, EntryRefreshSkipsItemsWithoutAUsableIndex) {
    fake::SetFakeSlotByte(17, 17);
    fake::SetFakeSlotByte(18, 31);
    StartAndInstall();
    fake::FakeItem& forward = Item("mymovementkeys", "17");
    fake::FakeItem& back = Item("mymovementkeys", "18");
    forward.name = {nullptr, 0};
    back.name = {"-1", 2};
    forward.value = back.value = 77;
    OpenPage("mymovementkeys");
    EXPECT_EQ(forward.value, 77);
    EXPECT_EQ(back.value, 77);
    EXPECT_EQ(Item("mymovementkeys", "19").value, 0);
}

}  // namespace
}  // namespace dk::testing
