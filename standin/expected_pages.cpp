#include "expected_pages.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "checks.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_records.h"

namespace standin {
namespace {

struct KeyRow {
    int action;
    const char* label;
    float x, y;
};

const KeyRow kMovementRows[] = {
    {17, "A_FWD_PC", 0.1f, 0.25f},    {18, "A_BACK_PC", 0.1f, 0.3f},   {19, "A_STRFL_PC", 0.1f, 0.35f},
    {20, "A_STRFR_PC", 0.1f, 0.4f},   {21, "A_PEEKL_PC", 0.1f, 0.5f},  {22, "A_PEEKR_PC", 0.1f, 0.55f},
    {2, "A_LKBK_PC", 0.1f, 0.6f},     {12, "grapple", 0.52f, 0.25f},   {29, "A_RUN_PC", 0.52f, 0.3f},
    {45, "A_CRAWL_PC", 0.52f, 0.35f}, {46, "crouch", 0.52f, 0.4f},     {28, "A_SNEAK_PC", 0.52f, 0.5f},
    {1, "A_WALLH_PC", 0.52f, 0.55f},  {11, "A_CLIMB_PC", 0.52f, 0.6f}};

const KeyRow kActionRows[] = {
    {7, "fire/hard punch", 0.1f, 0.25f}, {3, "A_RLOAD_PC", 0.1f, 0.3f},   {9, "A_FIREW_PC", 0.1f, 0.35f},
    {53, "A_EXECU_PC", 0.1f, 0.4f},      {0, "USE", 0.1f, 0.5f},          {39, "A_INV1_PC", 0.1f, 0.55f},
    {40, "A_INV2_PC", 0.1f, 0.6f},       {41, "A_INV3_PC", 0.1f, 0.65f},  {42, "A_INV4_PC", 0.1f, 0.7f},
    {24, "A_MENU_PC", 0.52f, 0.25f},     {4, "A_PICUP_PC", 0.52f, 0.3f},  {5, "A_DROP_PC", 0.52f, 0.35f},
    {14, "A_BLOCK_PC", 0.52f, 0.4f},     {25, "A_ZMIN_PC", 0.52f, 0.5f},  {26, "A_ZMOUT_PC", 0.52f, 0.55f},
    {31, "A_GUNAM_PC", 0.52f, 0.6f},     {32, "A_TARGT_PC", 0.52f, 0.65f}, {38, "A_FP_PC", 0.52f, 0.7f},
    {48, "toggle torch", 0.52f, 0.75f}};

struct Colour {
    int32_t red, green, blue, alpha;
};
constexpr Colour kHeading{150, 30, 0, 170};
constexpr Colour kNormal{200, 210, 175, 170};
constexpr Colour kDimmed{108, 82, 75, 170};

struct ExpectedItem {
    int32_t kind;
    std::string text;
    std::string name;  // empty for a plain text item
    GamePair position, scale;
    Colour colour;
    bool selectable;
};

// A key-bind item is dimmed, and left without Enter, when its action is bound
// to a mouse button as the pages are built. The scenarios that run this check
// have no other byte above 127 in the table then.
bool IsMouseByte(uint8_t b) { return b == 0xDE || b == 0xE0 || b == 0xE4 || b == 0xE3; }

template <size_t N>
std::vector<ExpectedItem> ExpectedItems(const char* title, const KeyRow (&rows)[N]) {
    std::vector<ExpectedItem> items = {
        {kKindText, "DuskvaleKeys: rebind every key", "", {0.1f, 0.02f}, {0.6f, 0.6f}, kHeading, false},
        {kKindText, "Notice: Use arrow and enter keys to set new keybinds", "", {0.55f, 0.89f}, {0.7f, 0.7f},
         kHeading, false},
        {kKindText, title, "", {0.08f, 0.124f}, {1.3f, 1.4f}, kHeading, false},
        {kKindLink, "apply", "controls", {0.1f, 0.9f}, {0, 0}, kNormal, true},
        {kKindText, "reset", "reset_button", {0.25f, 0.9f}, {0, 0}, kNormal, true}};
    for (const KeyRow& r : rows) {
        bool dimmed = IsMouseByte(BindingSlotByte(r.action));
        items.push_back({kKindKeyBind, r.label, std::to_string(r.action), {r.x, r.y}, {0.7f, 0.7f},
                         dimmed ? kDimmed : kNormal, !dimmed});
    }
    return items;
}

uint8_t* FindExpected(uint8_t* page, const ExpectedItem& e) {
    for (uint8_t* item : PageItems(page))
        if (ItemName(item) == e.name && (!e.name.empty() || ItemLabel(item) == e.text)) return item;
    return nullptr;
}

std::string Pair(const GamePair& p) {
    char text[40];
    std::snprintf(text, sizeof text, "(%g, %g)", p.x, p.y);
    return text;
}

// What differs between the item and the expectation, as " field: ..." parts.
std::string Differences(uint8_t* item, const ExpectedItem& e) {
    std::string wrong;
    auto differs = [&](bool same, const std::string& what) {
        if (!same) wrong += " " + what + ";";
    };
    GamePair position = Field<GamePair>(item, own::kItemPosition);
    GamePair scale = Field<GamePair>(item, own::kItemScale);
    differs(ItemKind(item) == e.kind, "kind " + std::to_string(ItemKind(item)));
    differs(ItemLabel(item) == e.text, "text \"" + ItemLabel(item) + "\"");
    differs(position.x == e.position.x && position.y == e.position.y, "position " + Pair(position));
    differs(scale.x == e.scale.x && scale.y == e.scale.y, "scale " + Pair(scale));
    differs(ItemColourIs(item, e.colour.red, e.colour.green, e.colour.blue, e.colour.alpha), "colour");
    differs(ItemSelectable(item) == e.selectable, e.selectable ? "no Enter" : "takes Enter");
    return wrong;
}

bool CheckPage(const char* pageName, const std::vector<ExpectedItem>& expected) {
    uint8_t* page = FindPage(pageName);
    std::string wrong;
    size_t onPage = PageItems(page).size();
    if (onPage != expected.size()) wrong += " " + std::to_string(onPage) + " items;";
    int wrongItems = 0;
    for (const ExpectedItem& e : expected) {
        uint8_t* item = FindExpected(page, e);
        std::string d = item ? Differences(item, e) : " missing;";
        if (!d.empty() && ++wrongItems <= 4) wrong += " [" + (e.name.empty() ? e.text : e.name) + "]" + d;
    }
    if (wrongItems > 4) wrong += " and " + std::to_string(wrongItems - 4) + " more items";
    return Check(wrong.empty(), std::string(pageName) + ": all " + std::to_string(expected.size()) +
                                    " items as laid out (kind, text, position, scale, colour, Enter)" + wrong);
}

}  // namespace

bool CheckPagesAsBuilt() {
    bool movement = CheckPage("mymovementkeys", ExpectedItems("MOVMAP_T", kMovementRows));
    return CheckPage("myactionkeys", ExpectedItems("ACTMAP_T", kActionRows)) && movement;
}

}  // namespace standin
