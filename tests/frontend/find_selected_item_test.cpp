#include "host/find_selected_item.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_host.h"

namespace dk {
namespace {

// A full 25-by-5 page of text items, as the game would lay it out.
class FindSelectedItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::InstallFakeHost();
        page = Host().constructPage(Host().allocate(736));
        const TextRef text{"x", 1};
        const FloatPair pair{0, 0};
        for (int i = 0; i < kPageRows * kPageColumns; ++i) {
            items.push_back(Host().createTextItem(&text, &pair, &pair));
            Host().pageAddItem(page, items.back());
        }
    }
    void Select(int index) { fake::ItemOf(items[index]).selected = true; }

    FrontendPage* page = nullptr;
    std::vector<MenuItem*> items;
};

TEST_F(FindSelectedItemTest, NoneSelectedGivesNull) { EXPECT_EQ(FindSelectedItem(page), nullptr); }

TEST_F(FindSelectedItemTest, FindsTheItemInEveryCornerOfTheGrid) {
    for (int index : {0, 4, 5, 62, 120, 124}) {
        SCOPED_TRACE(index);
        for (MenuItem* item : items) fake::ItemOf(item).selected = false;
        Select(index);
        EXPECT_EQ(FindSelectedItem(page), items[index]);
    }
}

TEST_F(FindSelectedItemTest, FirstInRowOrderWinsAndEmptyCellsAreSkipped) {
    Select(13);
    Select(7);
    Select(100);
    EXPECT_EQ(FindSelectedItem(page), items[7]);
    fake::PageOf(page).grid[1][2] = nullptr;  // cell of item 7
    EXPECT_EQ(FindSelectedItem(page), items[13]);
}

}  // namespace
}  // namespace dk
