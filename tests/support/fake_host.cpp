#include "support/fake_host.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "support/fake_binding_table.h"

namespace dk::fake {

namespace {

std::unique_ptr<FakeHostState> state;

FakeHostState& S() { return *state; }

bool SameText(TextRef ref, const char* text) {
    return ref.text != nullptr && text != nullptr && std::strcmp(ref.text, text) == 0;
}

FakeItem& NewItem(int32_t kind) {
    auto item = std::make_unique<FakeItem>();
    item->kind = kind;
    item->colour = S().colour;
    item->createdOrder = static_cast<int>(S().items.size());
    S().items.push_back(std::move(item));
    return *S().items.back();
}

FakeInventory* InventoryOf(InventoryRecord* inventory) {
    return reinterpret_cast<FakeInventory*>(inventory);
}

FakeAttachment* AttachmentOf(WeaponAttachment* attachment) {
    return reinterpret_cast<FakeAttachment*>(attachment);
}

// Game operations.

void* Allocate(uint32_t bytes) {
    S().allocations.push_back(bytes);
    S().memory.push_back(std::make_unique<char[]>(bytes));
    return S().memory.back().get();
}

FrontendPage* ConstructPage(void* memory) {
    auto page = std::make_unique<FakePage>();
    page->memory = memory;
    S().pages.push_back(std::move(page));
    return AsPage(*S().pages.back());
}

void PageAddItem(FrontendPage* page, MenuItem* item) {
    FakePage& fakePage = PageOf(page);
    const size_t cell = fakePage.items.size();
    if (cell >= static_cast<size_t>(kPageRows * kPageColumns)) return;  // the grid is full
    fakePage.grid[cell / kPageColumns][cell % kPageColumns] = item;
    fakePage.items.push_back(&ItemOf(item));
    ItemOf(item).page = &fakePage;
}

void PageComplete(FrontendPage* page) { PageOf(page).completeCalls++; }

// The manager is the state itself; any non-null pointer will do.
FrontendManager* GetFrontendManager() {
    if (S().managerAnswers == 0) return nullptr;
    if (S().managerAnswers > 0) --S().managerAnswers;
    return reinterpret_cast<FrontendManager*>(state.get());
}

bool IsMissing(FrontendManager* manager) {
    if (manager != nullptr) return false;
    S().callsOnMissingManager++;
    return true;
}

void RegisterPage(FrontendManager* manager, FrontendPage* page) {
    if (IsMissing(manager)) return;
    PageOf(page).registered = true;
    S().manager.push_back(&PageOf(page));
}

bool IsPageActive(FrontendManager* manager, const TextRef* pageName) {
    if (IsMissing(manager) || S().shownPage.empty()) return false;
    if (std::string(pageName->text, pageName->length) != S().shownPage) return false;
    return FindFakePage(S().shownPage.c_str()) != nullptr;
}

MenuItem* PageFindItem(FrontendPage* page, const char* name) {
    for (FakeItem* item : PageOf(page).items) {
        if (SameText(item->name, name)) return AsItem(*item);
    }
    return nullptr;
}

void SetItemColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    S().colour = {red, green, blue, alpha};
    S().colourCalls.push_back(S().colour);
}

MenuItem* CreateTextItem(const TextRef* text, const FloatPair* position, const FloatPair* scale) {
    FakeItem& item = NewItem(kFakeTextKind);
    item.label.assign(text->text, text->length);
    item.labelLength = text->length;
    item.position = *position;
    item.scale = *scale;
    return AsItem(item);
}

MenuItem* CreateLinkItem(const TextRef* target, const TextRef* label, const FloatPair* position) {
    FakeItem& item = NewItem(kFakeLinkKind);
    item.name = *target;
    item.target.assign(target->text, target->length);
    item.label.assign(label->text, label->length);
    item.labelLength = label->length;
    item.position = *position;
    return AsItem(item);
}

MenuItem* CreateKeyBindItem(const TextRef* label, const FloatPair* position, const FloatPair* scale) {
    FakeItem& item = NewItem(ItemKindKeyBind);
    item.label.assign(label->text, label->length);
    item.labelLength = label->length;
    item.position = *position;
    item.scale = *scale;
    return AsItem(item);
}

void LogPrintf(int32_t channel, const char* format, ...) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    S().log.push_back({channel, buffer});
}

// The guarded torch path.

bool GetInventoryItem(PlayerRecord* player, int32_t slot, WeaponRecord** out) {
    FakePlayer* fakePlayer = reinterpret_cast<FakePlayer*>(player);
    fakePlayer->itemQueries.push_back(slot);
    if (S().faults.getInventoryItem) return false;
    FakeWeapon* weapon = nullptr;
    if (slot == -1) weapon = fakePlayer->minusOneSlot;
    if (slot >= 0 && slot < 16) weapon = fakePlayer->slots[slot];
    *out = weapon ? AsWeapon(*weapon) : nullptr;
    return true;
}

bool TorchOn(WeaponRecord* weapon) {
    if (S().faults.torchOn) return false;
    WeaponOf(weapon).torchOnCalls++;
    WeaponOf(weapon).lit = true;
    return true;
}

bool TorchOff(WeaponRecord* weapon) {
    if (S().faults.torchOff) return false;
    WeaponOf(weapon).torchOffCalls++;
    WeaponOf(weapon).lit = false;
    return true;
}

bool ReadInventory(PlayerRecord* player, InventoryRecord** out) {
    if (S().faults.readInventory) return false;
    *out = reinterpret_cast<InventoryRecord*>(reinterpret_cast<FakePlayer*>(player)->inventory);
    return true;
}

bool ReadSlotWord(InventoryRecord* inventory, int wordIndex, int32_t* out) {
    if (wordIndex < 0 || wordIndex >= kInventorySlotWordCount) return false;
    if (S().faults.readSlotWord[wordIndex]) return false;
    *out = InventoryOf(inventory)->slotWords[wordIndex];
    return true;
}

bool ReadAttachment(WeaponRecord* weapon, WeaponAttachment** out) {
    if (S().faults.readAttachment) return false;
    *out = reinterpret_cast<WeaponAttachment*>(WeaponOf(weapon).attachment.get());
    return true;
}

bool ReadTorchWord(WeaponAttachment* attachment, uint32_t* out) {
    if (S().faults.readTorchWord) return false;
    *out = AttachmentOf(attachment)->torchWord;
    return true;
}

// Record fields.

int32_t PageCount(FrontendManager* manager) {
    return IsMissing(manager) ? 0 : static_cast<int32_t>(S().manager.size());
}

FrontendPage* Page(FrontendManager* manager, int32_t index) {
    return IsMissing(manager) ? nullptr : AsPage(*S().manager.at(index));
}

bool IsPageNamed(FrontendPage* page, const char* name) { return page != nullptr && SameText(PageOf(page).pageName, name); }
void SetPageName(FrontendPage* page, TextRef name) { PageOf(page).pageName = name; }
void SetParentName(FrontendPage* page, TextRef name) { PageOf(page).parentName = name; }

void ClearPageFlags(FrontendPage* page) {
    for (uint8_t& flag : PageOf(page).flags) flag = 0;
}

MenuItem* PageItem(FrontendPage* page, int row, int column) { return PageOf(page).grid[row][column]; }

TextRef ItemName(MenuItem* item) { return ItemOf(item).name; }
void SetItemName(MenuItem* item, TextRef name) { ItemOf(item).name = name; }
bool ItemSelected(MenuItem* item) { return ItemOf(item).selected; }
void SetItemSelectable(MenuItem* item, uint8_t selectable) { ItemOf(item).selectable = selectable; }
int32_t ItemKind(MenuItem* item) { return ItemOf(item).kind; }
int32_t ItemValue(MenuItem* item) { return ItemOf(item).value; }
void SetItemValue(MenuItem* item, int32_t value) { ItemOf(item).value = value; }

PlayerRecord* PlayerPointer() { return reinterpret_cast<PlayerRecord*>(S().player); }

bool IsKnownGameBuild(std::string& difference) {
    if (!S().knownGameBuild) difference = "the fake game is another build";
    return S().knownGameBuild;
}

bool RedirectKeyNameCall() {
    S().redirectCalls++;
    return S().redirectSucceeds;
}

void FillTable(HostInterface& table) {
    table.allocate = Allocate;
    table.constructPage = ConstructPage;
    table.pageAddItem = PageAddItem;
    table.pageComplete = PageComplete;
    table.getFrontendManager = GetFrontendManager;
    table.registerPage = RegisterPage;
    table.isPageActive = IsPageActive;
    table.pageFindItem = PageFindItem;
    table.setItemColour = SetItemColour;
    table.createTextItem = CreateTextItem;
    table.createLinkItem = CreateLinkItem;
    table.createKeyBindItem = CreateKeyBindItem;
    table.logPrintf = LogPrintf;
    table.getInventoryItem = GetInventoryItem;
    table.torchOn = TorchOn;
    table.torchOff = TorchOff;
    table.readInventory = ReadInventory;
    table.readSlotWord = ReadSlotWord;
    table.readAttachment = ReadAttachment;
    table.readTorchWord = ReadTorchWord;
    table.pageCount = PageCount;
    table.page = Page;
    table.isPageNamed = IsPageNamed;
    table.setPageName = SetPageName;
    table.setParentName = SetParentName;
    table.clearPageFlags = ClearPageFlags;
    table.pageItem = PageItem;
    table.itemName = ItemName;
    table.setItemName = SetItemName;
    table.itemSelected = ItemSelected;
    table.setItemSelectable = SetItemSelectable;
    table.itemKind = ItemKind;
    table.itemValue = ItemValue;
    table.setItemValue = SetItemValue;
    table.playerPointer = PlayerPointer;
    table.isKnownGameBuild = IsKnownGameBuild;
    table.redirectKeyNameCall = RedirectKeyNameCall;
    FillFakeBindingTable(table);
}

FakePage& AddGamePage(const char* name) {
    FakePage& page = PageOf(ConstructPage(Allocate(736)));
    page.pageName = {name, static_cast<int32_t>(std::strlen(name))};
    RegisterPage(GetFrontendManager(), AsPage(page));
    return page;
}

void AddGameLink(FakePage& page, const char* target) {
    const TextRef targetRef{target, static_cast<int32_t>(std::strlen(target))};
    const FloatPair position{0.1f, 0.3f};
    PageAddItem(AsPage(page), CreateLinkItem(&targetRef, &targetRef, &position));
}

// The game's own pages that the plug-in relies on, as the game would have them.
void AddGamePages() {
    AddGamePage("start");
    FakePage& controls = AddGamePage("controls");
    controls.parentName = {"options", 7};
    AddGameLink(controls, "movementkeys");
    AddGameLink(controls, "actionkeys");
}

}  // namespace

FakeHostState& InstallFakeHost() {
    state = std::make_unique<FakeHostState>();
    ResetFakeBindingTable();
    FillTable(state->table);
    AddGamePages();
    // Tests look at what the plug-in does, so the set-up leaves no traces.
    state->allocations.clear();
    state->colourCalls.clear();
    InstallHostInterface(&state->table);
    return *state;
}

FakeHostState& FakeHost() { return *state; }

FakeItem& ItemOf(MenuItem* item) { return *reinterpret_cast<FakeItem*>(item); }
MenuItem* AsItem(FakeItem& item) { return reinterpret_cast<MenuItem*>(&item); }
FakePage& PageOf(FrontendPage* page) { return *reinterpret_cast<FakePage*>(page); }
FrontendPage* AsPage(FakePage& page) { return reinterpret_cast<FrontendPage*>(&page); }
FakeWeapon& WeaponOf(WeaponRecord* weapon) { return *reinterpret_cast<FakeWeapon*>(weapon); }
WeaponRecord* AsWeapon(FakeWeapon& weapon) { return reinterpret_cast<WeaponRecord*>(&weapon); }

void ShowPage(const char* pageName) { S().shownPage = pageName; }

FakePage* FindFakePage(const char* pageName) {
    for (FakePage* page : S().manager) {
        if (SameText(page->pageName, pageName)) return page;
    }
    return nullptr;
}

FakeItem* FindFakeItem(const char* pageName, const char* itemName) {
    FakePage* page = FindFakePage(pageName);
    if (page == nullptr) return nullptr;
    MenuItem* item = PageFindItem(AsPage(*page), itemName);
    return item ? &ItemOf(item) : nullptr;
}

void ClearSelection(const char* pageName) {
    FakePage* page = FindFakePage(pageName);
    if (page == nullptr) return;
    for (FakeItem* item : page->items) item->selected = false;
}

bool SelectItem(const char* pageName, const char* itemName) {
    FakeItem* item = FindFakeItem(pageName, itemName);
    if (item == nullptr) return false;
    ClearSelection(pageName);
    item->selected = true;
    return true;
}

bool RemoveItem(const char* pageName, const char* itemName) {
    FakeItem* item = FindFakeItem(pageName, itemName);
    if (item == nullptr) return false;
    FakePage& page = *item->page;
    for (auto& row : page.grid) {
        for (MenuItem*& cell : row) {
            if (cell == AsItem(*item)) cell = nullptr;
        }
    }
    std::erase(page.items, item);
    item->page = nullptr;
    return true;
}

FakePlayer& EnterPlay() {
    S().player = &S().playerRecord;
    return S().playerRecord;
}

void LeavePlay() { S().player = nullptr; }

namespace {

FakeWeapon& PlaceWeapon(int32_t slot, std::unique_ptr<FakeWeapon> weapon) {
    S().weapons.push_back(std::move(weapon));
    FakeWeapon& placed = *S().weapons.back();
    if (slot == -1) S().playerRecord.minusOneSlot = &placed;
    if (slot >= 0 && slot < 16) S().playerRecord.slots[slot] = &placed;
    return placed;
}

}  // namespace

FakeWeapon& PutWeapon(int32_t slot, uint32_t torchWord) {
    auto weapon = std::make_unique<FakeWeapon>();
    weapon->attachment = std::make_unique<FakeAttachment>();
    weapon->attachment->torchWord = torchWord;
    return PlaceWeapon(slot, std::move(weapon));
}

FakeWeapon& PutWeaponWithoutAttachment(int32_t slot) {
    return PlaceWeapon(slot, std::make_unique<FakeWeapon>());
}

void SetSlotWords(int32_t w0, int32_t w1, int32_t w2, int32_t w3, int32_t w4) {
    const int32_t words[kInventorySlotWordCount] = {w0, w1, w2, w3, w4};
    std::memcpy(S().playerRecord.inventoryRecord.slotWords, words, sizeof words);
}

}  // namespace dk::fake
