#include "frontend/custom_pages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "bindings/action_catalogue.h"
#include "support/fake_binding_table.h"
#include "support/fake_host.h"

namespace dk {
namespace {

using fake::Colour;
using fake::FakeItem;
using fake::FakePage;

constexpr Colour kHeading{150, 30, 0, 170};
constexpr Colour kNormal{200, 210, 175, 170};
constexpr Colour kUncapturable{108, 82, 75, 170};

struct ExpectedKeyBind {
    ActionIndex action;
    const char* label;
    float x, y;
};

// Written out again here on purpose: the game shows exactly these.
const std::vector<ExpectedKeyBind> kMovement = {
    {17, "A_FWD_PC", 0.1f, 0.25f},    {18, "A_BACK_PC", 0.1f, 0.3f},   {19, "A_STRFL_PC", 0.1f, 0.35f},
    {20, "A_STRFR_PC", 0.1f, 0.4f},   {21, "A_PEEKL_PC", 0.1f, 0.5f},  {22, "A_PEEKR_PC", 0.1f, 0.55f},
    {2, "A_LKBK_PC", 0.1f, 0.6f},     {12, "grapple", 0.52f, 0.25f},   {29, "A_RUN_PC", 0.52f, 0.3f},
    {45, "A_CRAWL_PC", 0.52f, 0.35f}, {46, "crouch", 0.52f, 0.4f},     {28, "A_SNEAK_PC", 0.52f, 0.5f},
    {1, "A_WALLH_PC", 0.52f, 0.55f},  {11, "A_CLIMB_PC", 0.52f, 0.6f},
};
const std::vector<ExpectedKeyBind> kAction = {
    {7, "fire/hard punch", 0.1f, 0.25f}, {3, "A_RLOAD_PC", 0.1f, 0.3f},   {9, "A_FIREW_PC", 0.1f, 0.35f},
    {53, "A_EXECU_PC", 0.1f, 0.4f},      {0, "USE", 0.1f, 0.5f},          {39, "A_INV1_PC", 0.1f, 0.55f},
    {40, "A_INV2_PC", 0.1f, 0.6f},       {41, "A_INV3_PC", 0.1f, 0.65f},  {42, "A_INV4_PC", 0.1f, 0.7f},
    {24, "A_MENU_PC", 0.52f, 0.25f},     {4, "A_PICUP_PC", 0.52f, 0.3f},  {5, "A_DROP_PC", 0.52f, 0.35f},
    {14, "A_BLOCK_PC", 0.52f, 0.4f},     {25, "A_ZMIN_PC", 0.52f, 0.5f},  {26, "A_ZMOUT_PC", 0.52f, 0.55f},
    {31, "A_GUNAM_PC", 0.52f, 0.6f},     {32, "A_TARGT_PC", 0.52f, 0.65f}, {38, "A_FP_PC", 0.52f, 0.7f},
    {48, "toggle torch", 0.52f, 0.75f},
};

std::string Str(TextRef ref) { return std::string(ref.text, ref.length); }

void ExpectPair(FloatPair actual, float x, float y) {
    EXPECT_FLOAT_EQ(actual.x, x);
    EXPECT_FLOAT_EQ(actual.y, y);
}

class CustomPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::InstallFakeHost();
        ResetCustomPages();
        // A plain key on every action, so every key-bind item is capturable.
        for (int slot = 0; slot < fake::kBindingSlotCount; ++slot) fake::SetFakeSlotByte(slot, 30);
    }
};

struct PageCase {
    const char* name;
    const char* title;
    const std::vector<ExpectedKeyBind>* keyBinds;
    PageHandle** handle;
    std::vector<MenuItem*>* list;
};

TEST_F(CustomPagesTest, BuildsBothPagesItemByItem) {
    BuildCustomPages();
    const PageCase cases[] = {
        {"mymovementkeys", "MOVMAP_T", &kMovement, &movementPage, &movementItems},
        {"myactionkeys", "ACTMAP_T", &kAction, &actionPage, &actionItems},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePage* page = fake::FindFakePage(c.name);
        ASSERT_NE(page, nullptr);
        ASSERT_NE(*c.handle, nullptr);
        EXPECT_EQ(fake::AsPage(*page), (*c.handle)->page);
        EXPECT_EQ(page->pageName.length, static_cast<int32_t>(std::strlen(c.name)));
        EXPECT_EQ(Str(page->parentName), "controls");
        EXPECT_EQ(page->flags[0] | page->flags[1] | page->flags[2], 0);
        EXPECT_EQ(page->completeCalls, 1);

        const std::vector<FakeItem*>& items = page->items;
        ASSERT_EQ(items.size(), 3 + c.keyBinds->size() + 2);
        const struct { const char* text; float x, y, sx, sy; } headings[] = {
            {"DuskvaleKeys: rebind every key", 0.1f, 0.02f, 0.6f, 0.6f},
            {"Notice: Use arrow and enter keys to set new keybinds", 0.55f, 0.89f, 0.7f, 0.7f},
            {c.title, 0.08f, 0.124f, 1.3f, 1.4f},
        };
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(items[i]->kind, fake::kFakeTextKind);
            EXPECT_EQ(items[i]->label, headings[i].text);
            EXPECT_EQ(items[i]->labelLength, static_cast<int32_t>(std::strlen(headings[i].text)));
            ExpectPair(items[i]->position, headings[i].x, headings[i].y);
            ExpectPair(items[i]->scale, headings[i].sx, headings[i].sy);
            EXPECT_EQ(items[i]->colour, kHeading);
        }
        for (size_t i = 0; i < c.keyBinds->size(); ++i) {
            const ExpectedKeyBind& want = (*c.keyBinds)[i];
            const FakeItem& item = *items[3 + i];
            SCOPED_TRACE(want.label);
            EXPECT_EQ(item.kind, ItemKindKeyBind);
            EXPECT_EQ(item.label, want.label);
            EXPECT_EQ(item.labelLength, static_cast<int32_t>(std::strlen(want.label)));
            EXPECT_EQ(Str(item.name), std::to_string(want.action));
            ExpectPair(item.position, want.x, want.y);
            ExpectPair(item.scale, 0.7f, 0.7f);
            EXPECT_EQ(item.colour, kNormal);
            EXPECT_EQ(item.selectable, 1);
            EXPECT_EQ(item.value, 30);
            EXPECT_EQ((*c.list)[i], fake::AsItem(*items[3 + i]));
        }
        EXPECT_EQ(c.list->size(), c.keyBinds->size());

        const FakeItem& apply = *items[3 + c.keyBinds->size()];
        EXPECT_EQ(apply.kind, fake::kFakeLinkKind);
        EXPECT_EQ(apply.target, "controls");
        EXPECT_EQ(apply.label, "apply");
        ExpectPair(apply.position, 0.1f, 0.9f);
        EXPECT_EQ(apply.colour, kNormal);

        const FakeItem& reset = *items.back();
        EXPECT_EQ(reset.label, "reset");
        EXPECT_EQ(Str(reset.name), "reset_button");
        EXPECT_EQ(reset.selectable, 1);
        ExpectPair(reset.position, 0.25f, 0.9f);
        ExpectPair(reset.scale, 0.0f, 0.0f);
        EXPECT_EQ(reset.colour, kNormal);
    }
}

TEST_F(CustomPagesTest, RegistersMovementThenActionOnGameSizedPages) {
    BuildCustomPages();
    const auto& manager = fake::FakeHost().manager;
    ASSERT_EQ(manager.size(), 4u);  // the game's "start" and "controls" come first
    EXPECT_EQ(Str(manager[2]->pageName), "mymovementkeys");
    EXPECT_EQ(Str(manager[3]->pageName), "myactionkeys");
    EXPECT_EQ(fake::FakeHost().allocations, (std::vector<uint32_t>{736, 736}));
    EXPECT_EQ(manager[2]->memory, fake::FakeHost().memory[fake::FakeHost().memory.size() - 2].get());
}

TEST_F(CustomPagesTest, EveryMappableActionAppearsOnce) {
    BuildCustomPages();
    std::multiset<ActionIndex> shown;
    for (const auto* list : {&movementItems, &actionItems}) {
        for (MenuItem* item : *list) shown.insert(std::stoi(Str(Host().itemName(item))));
    }
    EXPECT_EQ(shown, std::multiset<ActionIndex>(MappableActions.begin(), MappableActions.end()));
}

// Only a mouse binding cannot be captured from the page; keys above 127 read
// back as themselves and stay selectable.
TEST_F(CustomPagesTest, SlotByteDecidesColourAndSelectable) {
    const struct { uint8_t byte; int32_t value; bool capturable; } cases[] = {
        {0, 0, true}, {1, 1, true}, {127, 127, true}, {128, 128, true},
        {156, 156, true}, {0x9D, 157, true}, {0xFF, 255, true},
        {0xDE, -34, false}, {0xE0, -32, false}, {0xE4, -28, false}, {0xE3, -29, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        fake::InstallFakeHost();
        ResetCustomPages();
        fake::SetFakeSlotByte(19, c.byte);  // third item of the movement page
        BuildCustomPages();
        const FakeItem& item = fake::ItemOf(movementItems[2]);
        EXPECT_EQ(item.value, c.value);
        EXPECT_EQ(item.selectable, c.capturable ? 1 : 0);
        EXPECT_EQ(item.colour, c.capturable ? kNormal : kUncapturable);
        EXPECT_EQ(fake::ItemOf(movementItems[3]).colour, kNormal);
        EXPECT_EQ(fake::ItemOf(movementItems[3]).selectable, 1);
    }
}

TEST_F(CustomPagesTest, ItemOnAnotherPageJoinsNoList) {
    BuildCustomPages();
    PageHandle other{fake::AsPage(*fake::FindFakePage("controls"))};
    AddKeyBindItem(&other, "extra", 0.3f, 0.3f, 17, "17");
    EXPECT_EQ(movementItems.size(), 14u);
    EXPECT_EQ(actionItems.size(), 19u);
    EXPECT_NE(fake::FindFakeItem("controls", "17"), nullptr);
}

TEST_F(CustomPagesTest, ResetForgetsPagesAndLists) {
    BuildCustomPages();
    ResetCustomPages();
    EXPECT_EQ(movementPage, nullptr);
    EXPECT_EQ(actionPage, nullptr);
    EXPECT_TRUE(movementItems.empty());
    EXPECT_TRUE(actionItems.empty());
}

TEST(ActionIndexTextTest, DecimalWithoutLeadingZerosAndEmptyOutsideTheTable) {
    EXPECT_STREQ(ActionIndexText(0), "0");
    EXPECT_STREQ(ActionIndexText(7), "7");
    EXPECT_STREQ(ActionIndexText(59), "59");
    EXPECT_STREQ(ActionIndexText(60), "");
    EXPECT_STREQ(ActionIndexText(-1), "");
}

}  // namespace
}  // namespace dk
