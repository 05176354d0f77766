#include "bindings/action_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace dk {
namespace {

// The rebindable actions, written out here independently of the catalogue.
constexpr std::array<ActionIndex, 33> kExpectedMappable = {
    0, 1, 2, 3, 4, 5, 7, 9, 11, 12, 14, 17, 18, 19, 20, 21, 22,
    24, 25, 26, 28, 29, 31, 32, 38, 39, 40, 41, 42, 45, 46, 48, 53};

constexpr std::array<ActionIndex, 14> kExpectedMovementPage = {1, 2, 11, 12, 17, 18, 19, 20, 21, 22, 28, 29, 45, 46};

TEST(ActionCatalogue, MappableActionsAreTheThirtyThreeInAscendingOrder) {
    EXPECT_TRUE(std::equal(MappableActions.begin(), MappableActions.end(), kExpectedMappable.begin()));
}

TEST(ActionCatalogue, IsMappableHoldsExactlyForTheCatalogue) {
    for (ActionIndex index = -2; index <= 62; ++index) {
        const bool expected = std::find(kExpectedMappable.begin(), kExpectedMappable.end(), index) !=
                              kExpectedMappable.end();
        EXPECT_EQ(IsMappable(index), expected) << index;
    }
    EXPECT_FALSE(IsMappable(INT32_MIN));
    EXPECT_FALSE(IsMappable(INT32_MAX));
}

TEST(ActionCatalogue, ActionNames) {
    const struct {
        ActionIndex index;
        const char* name;
    } cases[] = {
        {29, "RUN"}, {0, "USE"}, {53, "EXECUTE"}, {48, "TOGGLE_TORCH"}, {7, "FIRE_HARD_PUNCH"},
        {6, "UNKNOWN_ACTION"}, {-1, "UNKNOWN_ACTION"}, {60, "UNKNOWN_ACTION"}, {54, "UNKNOWN_ACTION"},
    };
    for (const auto& c : cases) EXPECT_STREQ(ActionName(c.index), c.name) << c.index;
}

TEST(ActionCatalogue, PagesSplitFourteenMovementFromNineteenAction) {
    for (const CatalogueEntry& entry : ActionCatalogue) {
        const bool movement = std::find(kExpectedMovementPage.begin(), kExpectedMovementPage.end(),
                                        entry.index) != kExpectedMovementPage.end();
        EXPECT_EQ(entry.page, movement ? ControlPage::Movement : ControlPage::Action) << entry.index;
    }
}

TEST(ActionCatalogue, FindCatalogueEntry) {
    const CatalogueEntry* run = FindCatalogueEntry(29);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->defaultCode, 42);
    EXPECT_EQ(FindCatalogueEntry(30), nullptr);
    EXPECT_EQ(FindCatalogueEntry(-1), nullptr);
}

}  // namespace
}  // namespace dk
