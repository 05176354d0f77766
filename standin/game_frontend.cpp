#include "game_frontend.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "checks.h"
#include "game_bindings.h"
#include "kept_records.h"

namespace standin {
namespace {

alignas(16) uint8_t managerBytes[own::kManagerSize];
void* managerAnswer = managerBytes;
int32_t colour[4] = {255, 255, 255, 255};
constexpr int kMaxPages = (at::kManagerPageCount - at::kManagerPages) / 4;
const char* const kPlayLink = "play";  // the game's "new game" link target

uint8_t* AsBytes(void* p) { return static_cast<uint8_t*>(p); }

GameText CopyText(const GameText* source) {
    std::string text = TextOf(*source);
    char* copy = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return {copy, static_cast<int32_t>(text.size())};
}

void CheckText(const GameText* t, const char* where) {
    if (!t || !t->text) {
        Violation(std::string(where) + ": null text");
    } else if (t->length != static_cast<int32_t>(std::strlen(t->text))) {
        char line[200];
        std::snprintf(line, sizeof line, "%s: text \"%.60s\" given with length %d", where, t->text,
                      static_cast<int>(t->length));
        Violation(line);
    }
}

uint8_t* NewItem(int32_t kind, const GameText* label, const GamePair* position, const GamePair* scale) {
    uint8_t* item = AsBytes(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, own::kItemSize));
    Field<uint32_t>(item, own::kItemMagic) = kItemMagicValue;
    Field<int32_t>(item, at::kItemKind) = kind;
    Field<GameText>(item, own::kItemLabel) = CopyText(label);
    Field<GameText>(item, at::kItemName) = GameText{"", 0};
    for (int i = 0; i < 4; ++i) Field<int32_t>(item, own::kItemRed + 4 * i) = colour[i];
    Field<GamePair>(item, own::kItemPosition) = *position;
    Field<GamePair>(item, own::kItemScale) = scale ? *scale : GamePair{0, 0};
    KeepRecord(item, RecordKind::Item);
    return item;
}

bool IsPage(void* page) {
    return page && Field<uint32_t>(page, own::kPageConstructed) == kConstructedMagic;
}

uint8_t*& Cell(uint8_t* page, int row, int column) {
    return Field<uint8_t*>(page, at::kPageItems + 4 * (row * kColumns + column));
}

int Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

std::vector<uint8_t*> SelectableItems(uint8_t* page) {
    std::vector<uint8_t*> result;
    for (uint8_t* item : PageItems(page))
        if (ItemSelectable(item)) result.push_back(item);
    return result;
}

void Select(uint8_t* page, uint8_t* chosen) {
    for (uint8_t* item : PageItems(page)) Field<uint8_t>(item, at::kItemSelected) = (item == chosen);
}

void OpenPage(uint8_t* page) {
    Field<uint8_t*>(managerBytes, own::kManagerCurrentPage) = page;
    std::vector<uint8_t*> choices = SelectableItems(page);
    Select(page, choices.empty() ? nullptr : choices.front());
    // The game's own key pages show the table as it is when they open.
    for (uint8_t* item : PageItems(page)) {
        int action = GameKeyPageAction(ItemName(item));
        if (ItemKind(item) == kKindKeyBind && action >= 0)
            Field<int32_t>(item, at::kItemValue) = static_cast<int8_t>(BindingSlotByte(action));
    }
}

void MoveCursor(uint8_t* page, int step) {
    std::vector<uint8_t*> choices = SelectableItems(page);
    if (choices.empty()) return;
    uint8_t* current = SelectedItem(page);
    int index = 0;
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == current) index = static_cast<int>(i) + step;
    Select(page, choices[Clamp(index, 0, static_cast<int>(choices.size()) - 1)]);
}

void FollowLink(uint8_t* item) {
    std::string target = ItemName(item);
    if (target == kPlayLink) {
        ShowNoPage();
        return;
    }
    uint8_t* page = FindPage(target);
    if (page)
        OpenPage(page);
    else
        Violation("a link opens \"" + target + "\", which no page is called");
}

// The game's own pages, built through the same operations the plug-in uses.
struct GameItem {
    int32_t kind;
    const char* label;
    const char* name;  // link target, or a key-bind item's name
    float x, y;
};

void BuildGamePage(const char* name, const char* parent, std::initializer_list<GameItem> items) {
    uint8_t* page = AsBytes(GameConstructPage(GameAllocate(kPageBytes)));
    Field<GameText>(page, at::kPageName) = {name, static_cast<int32_t>(std::strlen(name))};
    Field<GameText>(page, at::kPageParentName) = {parent, static_cast<int32_t>(std::strlen(parent))};
    for (const GameItem& gi : items) {
        GameText label{gi.label, static_cast<int32_t>(std::strlen(gi.label))};
        GameText target{gi.name, static_cast<int32_t>(std::strlen(gi.name))};
        GamePair position{gi.x, gi.y}, scale{1, 1};
        void* item = gi.kind == kKindLink ? GameCreateLinkItem(&target, &label, &position, 0)
                                          : GameCreateKeyBindItem(&label, &position, &label, &scale);
        if (gi.kind == kKindKeyBind) {
            Field<GameText>(item, at::kItemName) = target;
            Field<uint8_t>(item, at::kItemSelectable) = 1;
        }
        GamePageAddItem(page, item);
    }
    GamePageComplete(page);
    GameRegisterPage(managerBytes, page);
}

}  // namespace

void* __cdecl GameAllocate(uint32_t bytes) {
    if (bytes != kPageBytes) Violation("allocation of " + std::to_string(bytes) + " bytes, not one page");
    void* memory = HeapAlloc(GetProcessHeap(), 0, bytes < kPageBytes ? kPageBytes : bytes);
    std::memset(memory, 0xCD, bytes);  // so that an unconstructed page shows
    return memory;
}

void* GAME_THISCALL GameConstructPage(void* memory) {
    std::memset(memory, 0, kPageBytes);
    Field<uint32_t>(memory, own::kPageConstructed) = kConstructedMagic;
    for (int i = 0; i < 3; ++i) Field<uint8_t>(memory, at::kPageFlags + i) = 1;
    KeepRecord(memory, RecordKind::Page);
    return memory;
}

void GAME_THISCALL GamePageAddItem(void* page, void* item) {
    if (!IsPage(page) || !item || Field<uint32_t>(item, own::kItemMagic) != kItemMagicValue) {
        Violation("item added to something that is no page, or not a game item");
        return;
    }
    GamePair p = Field<GamePair>(item, own::kItemPosition);
    int start = Clamp(static_cast<int>(p.y * kRows), 0, kRows - 1) * kColumns +
                Clamp(static_cast<int>(p.x * kColumns), 0, kColumns - 1);
    for (int cell = start; cell < start + kRows * kColumns; ++cell) {
        int c = cell % (kRows * kColumns);
        uint8_t*& slot = Cell(AsBytes(page), c / kColumns, c % kColumns);
        if (!slot) {
            slot = AsBytes(item);
            Field<void*>(item, own::kItemPage) = page;
            return;
        }
    }
    Violation("page full");
}

void GAME_THISCALL GamePageComplete(void* page) {
    if (!IsPage(page)) Violation("completing something that is no page");
    else ++Field<int32_t>(page, own::kPageCompleteCalls);
}

void* __cdecl GameGetFrontendManager() { return managerAnswer; }

void GAME_THISCALL GameRegisterPage(void* manager, void* page) {
    if (manager != managerBytes) Violation("register on something that is not the manager");
    if (!IsPage(page) || Field<int32_t>(page, own::kPageCompleteCalls) != 1)
        Violation("registered page " + PageName(AsBytes(page)) + " was not completed exactly once");
    int32_t& count = Field<int32_t>(managerBytes, at::kManagerPageCount);
    if (count >= kMaxPages) return Violation("too many pages");
    Field<void*>(managerBytes, at::kManagerPages + 4 * count) = page;
    ++count;
}

uint32_t GAME_THISCALL GameIsPageActive(void* manager, const GameText* name) {
    if (manager != managerBytes) Violation("page query on something that is not the manager");
    CheckText(name, "page query");
    uint8_t* current = CurrentPage();
    bool active = current && name && name->text && TextOf(*name) == PageName(current);
    // Only al carries the answer; the rest of eax is whatever the game left.
    return 0x7e5a3c00u | (active ? 1u : 0u);
}

void* GAME_THISCALL GamePageFindItem(void* page, const char* const* name) {
    if (!IsPage(page) || !name || !*name) {
        Violation("item lookup with no page or no name");
        return nullptr;
    }
    // Only the first word is read: the game does not fill the one after it.
    return FindItem(AsBytes(page), *name);
}

void __cdecl GameSetItemColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    int32_t c[4] = {red, green, blue, alpha};
    for (int i = 0; i < 4; ++i) {
        if (c[i] < 0 || c[i] > 255) Violation("colour component " + std::to_string(c[i]));
        colour[i] = c[i];
    }
}

void* __cdecl GameCreateTextItem(const GameText* text, const GamePair* position, const GamePair* scale) {
    CheckText(text, "text item");
    return NewItem(kKindText, text, position, scale);
}

void* __cdecl GameCreateLinkItem(const GameText* target, const GameText* label, const GamePair* position,
                                 int32_t zero) {
    CheckText(target, "link target");
    CheckText(label, "link label");
    if (zero != 0) Violation("link item's last argument is " + std::to_string(zero));
    uint8_t* item = NewItem(kKindLink, label, position, nullptr);
    Field<GameText>(item, at::kItemName) = CopyText(target);
    Field<uint8_t>(item, at::kItemSelectable) = 1;
    return item;
}

void* __cdecl GameCreateKeyBindItem(const GameText* label, const GamePair* position, const GameText* label2,
                                    const GamePair* scale) {
    CheckText(label, "key-bind label");
    CheckText(label2, "key-bind second label");
    if (label && label2 && TextOf(*label) != TextOf(*label2)) Violation("key-bind item with two labels");
    uint8_t* item = NewItem(kKindKeyBind, label, position, scale);
    Field<int32_t>(item, at::kItemValue) = 0;
    return item;
}

void BuildGameFrontend() {
    std::memset(managerBytes, 0, sizeof managerBytes);
    BuildGamePage("start", "", {{kKindLink, "CONTROLS", "controls", 0.4f, 0.4f},
                                {kKindLink, "NEW GAME", kPlayLink, 0.4f, 0.5f}});
    BuildGamePage("controls", "start", {{kKindLink, "MOVEMENT KEYS", "movementkeys", 0.3f, 0.3f},
                                        {kKindLink, "ACTION KEYS", "actionkeys", 0.3f, 0.4f},
                                        {kKindLink, "BACK", "start", 0.3f, 0.8f}});
    BuildGamePage("movementkeys", "controls", {{kKindKeyBind, "FORWARD", "g_fwd", 0.1f, 0.3f},
                                               {kKindKeyBind, "BACKWARDS", "g_back", 0.1f, 0.4f},
                                               {kKindKeyBind, "RUN", "g_run", 0.1f, 0.5f},
                                               {kKindLink, "BACK", "controls", 0.1f, 0.9f}});
    BuildGamePage("actionkeys", "controls", {{kKindKeyBind, "USE", "g_use", 0.1f, 0.3f},
                                             {kKindKeyBind, "RELOAD", "g_reload", 0.1f, 0.4f},
                                             {kKindLink, "BACK", "controls", 0.1f, 0.9f}});
    Field<uint8_t*>(managerBytes, own::kManagerCurrentPage) = nullptr;
    RestoreManagerAnswer();
}

uint8_t* Manager() { return managerBytes; }
void SetManagerAnswer(void* answer) { managerAnswer = answer; }
void RestoreManagerAnswer() { managerAnswer = managerBytes; }

uint8_t* FindPage(const std::string& name) {
    int32_t count = Field<int32_t>(managerBytes, at::kManagerPageCount);
    for (int32_t i = 0; i < count && i < kMaxPages; ++i) {
        uint8_t* page = Field<uint8_t*>(managerBytes, at::kManagerPages + 4 * i);
        if (PageName(page) == name) return page;
    }
    return nullptr;
}

int RegisteredPageCount(const std::string& name) {
    int found = 0;
    int32_t count = Field<int32_t>(managerBytes, at::kManagerPageCount);
    for (int32_t i = 0; i < count && i < kMaxPages; ++i)
        if (PageName(Field<uint8_t*>(managerBytes, at::kManagerPages + 4 * i)) == name) ++found;
    return found;
}

uint8_t* CurrentPage() { return Field<uint8_t*>(managerBytes, own::kManagerCurrentPage); }

std::string CurrentPageName() { return CurrentPage() ? PageName(CurrentPage()) : std::string("(play)"); }

void ShowPage(const std::string& name) {
    uint8_t* page = FindPage(name);
    if (page) OpenPage(page);
    else Check(false, "the game has a page \"" + name + "\" to show");
}

void ShowNoPage() { Field<uint8_t*>(managerBytes, own::kManagerCurrentPage) = nullptr; }

void MenuKey(int virtualKey) {
    uint8_t* page = CurrentPage();
    if (!page) return;
    if (virtualKey == VK_UP || virtualKey == VK_LEFT) MoveCursor(page, -1);
    if (virtualKey == VK_DOWN || virtualKey == VK_RIGHT) MoveCursor(page, +1);
    if (virtualKey == VK_RETURN) {
        uint8_t* item = SelectedItem(page);
        if (item && ItemKind(item) == kKindLink) FollowLink(item);
    }
    if (virtualKey == VK_ESCAPE && FindPage(ParentName(page))) OpenPage(FindPage(ParentName(page)));
}

bool SelectItemByName(const std::string& name) {
    uint8_t* page = CurrentPage();
    if (!page) return false;
    uint8_t* wanted = FindItem(page, name);
    if (!wanted || !ItemSelectable(wanted)) return false;
    for (int guard = 0; guard < kRows * kColumns && SelectedItem(page) != wanted; ++guard) {
        std::vector<uint8_t*> choices = SelectableItems(page);
        int here = -1, there = -1;
        for (size_t i = 0; i < choices.size(); ++i) {
            if (choices[i] == SelectedItem(page)) here = static_cast<int>(i);
            if (choices[i] == wanted) there = static_cast<int>(i);
        }
        MenuKey(there < here ? VK_UP : VK_DOWN);
    }
    return SelectedItem(page) == wanted;
}

std::vector<uint8_t*> PageItems(uint8_t* page) {
    std::vector<uint8_t*> items;
    if (!IsPage(page)) return items;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (Cell(page, row, column)) items.push_back(Cell(page, row, column));
    return items;
}

uint8_t* SelectedItem(uint8_t* page) {
    for (uint8_t* item : PageItems(page))
        if (Field<uint8_t>(item, at::kItemSelected)) return item;
    return nullptr;
}

std::string PageName(uint8_t* page) { return page ? TextOf(Field<GameText>(page, at::kPageName)) : ""; }
std::string ParentName(uint8_t* page) { return TextOf(Field<GameText>(page, at::kPageParentName)); }
std::string ItemName(uint8_t* item) { return TextOf(Field<GameText>(item, at::kItemName)); }
std::string ItemLabel(uint8_t* item) { return TextOf(Field<GameText>(item, own::kItemLabel)); }
int32_t ItemKind(uint8_t* item) { return Field<int32_t>(item, at::kItemKind); }
int32_t ItemValue(uint8_t* item) { return Field<int32_t>(item, at::kItemValue); }
bool ItemSelectable(uint8_t* item) { return Field<uint8_t>(item, at::kItemSelectable) != 0; }

bool ItemColourIs(uint8_t* item, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    int32_t want[4] = {red, green, blue, alpha};
    for (int i = 0; i < 4; ++i)
        if (Field<int32_t>(item, own::kItemRed + 4 * i) != want[i]) return false;
    return true;
}

uint8_t* FindItem(uint8_t* page, const std::string& name) {
    for (uint8_t* item : PageItems(page))
        if (ItemName(item) == name) return item;
    return nullptr;
}

}  // namespace standin
