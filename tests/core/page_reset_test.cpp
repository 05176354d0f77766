// The reset item: the whole default layout, the shown page refreshed at once.
#include "core_test_env.h"

namespace dk::testing {
namespace {

struct ResetCase {
    const char* page;
    const char* item;         // a key-bind item on that page
    KeyCode itemDefault;
    const char* otherPage;
    const char* otherItem;
    KeyCode otherDefault;
};

class PageResetTest : public CoreTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(PageResetTest, DefaultsEverywhereButOtherPageShowsThemOnlyOnNextEntry) {
    const ResetCase& c = GetParam();
    for (ActionIndex action : MappableActions) fake::SetFakeSlotByte(action, 5);
    StartAndInstall();
    OpenPage(c.otherPage);
    OpenPage(c.page);
    const int saves = windows->replaceCalls;

    EXPECT_EQ(PressEnterOn(c.page, "reset_button"), TickEnd::PressTaken);

    for (const auto& [action, code] : DefaultBindings) {
        EXPECT_EQ(fake::FakeSlotByte(action), static_cast<uint8_t>(code)) << action;
        EXPECT_EQ(BindingOverrides[action].overrideCode, code) << action;
    }
    EXPECT_EQ(Item(c.page, c.item).value, c.itemDefault);
    EXPECT_EQ(Item(c.otherPage, c.otherItem).value, 5);
    EXPECT_EQ(windows->replaceCalls, saves + 1);
    EXPECT_NE(IniText().find("0=SPACE ; USE"), std::string::npos);
    EXPECT_FALSE(controller.capturing);

    OpenPage(c.otherPage);
    EXPECT_EQ(Item(c.otherPage, c.otherItem).value, c.otherDefault);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageResetTest,
    ::testing::Values(ResetCase{"mymovementkeys", "17", 17, "myactionkeys", "9", MOUSE_LEFT},
                      ResetCase{"myactionkeys", "9", MOUSE_LEFT, "mymovementkeys", "29", 42}),
    [](const auto& info) { return std::string(info.param.page); });

}  // namespace
}  // namespace dk::testing
