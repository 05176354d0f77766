#pragma once
// A little game behind HostInterface: real pages and items that tests can look
// at, a player with weapons and torches, a log, and switchable faults on every
// guarded read and torch call. The binding table comes from fake_binding_table.h.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace dk::fake {

struct Colour {
    int32_t red, green, blue, alpha;
    bool operator==(const Colour&) const = default;
};

// What the fake calls its kinds; only ItemKindKeyBind is the game's value.
inline constexpr int32_t kFakeTextKind = 1;
inline constexpr int32_t kFakeLinkKind = 2;

struct FakePage;

struct FakeItem {
    int32_t kind = kFakeTextKind;
    TextRef name{"", 0};   // as the caller gave it: the pointer must outlive the item
    std::string label;     // text items: the text; link and key-bind items: the label
    int32_t labelLength = 0;  // the length handed in with the label
    std::string target;    // link items: the page they open
    FloatPair position{0, 0};
    FloatPair scale{0, 0};  // link items have none
    Colour colour{};        // the colour current when the item was created
    bool selected = false;
    uint8_t selectable = 0;
    int32_t value = 0;
    int createdOrder = 0;   // 0, 1, 2... over all items of the fake
    FakePage* page = nullptr;  // where it was added, or null
};

struct FakePage {
    void* memory = nullptr;  // what constructPage was given
    TextRef pageName{"", 0};
    TextRef parentName{"", 0};
    uint8_t flags[3] = {1, 1, 1};
    MenuItem* grid[kPageRows][kPageColumns] = {};
    std::vector<FakeItem*> items;  // in add order
    int completeCalls = 0;
    bool registered = false;
};

struct FakeAttachment {
    uint32_t torchWord = 0;
};

struct FakeWeapon {
    std::unique_ptr<FakeAttachment> attachment;  // null: no attachment
    int torchOnCalls = 0;
    int torchOffCalls = 0;
    bool lit = false;
};

struct FakeInventory {
    int32_t slotWords[kInventorySlotWordCount] = {};
};

struct FakePlayer {
    FakeInventory inventoryRecord;
    FakeInventory* inventory = &inventoryRecord;  // may be set to null
    FakeWeapon* slots[16] = {};                   // getInventoryItem 0..15
    FakeWeapon* minusOneSlot = nullptr;           // getInventoryItem -1
    std::vector<int32_t> itemQueries;             // every slot number asked for
};

// Guarded entries that fault: they return false and leave *out untouched.
struct Faults {
    bool getInventoryItem = false;
    bool readInventory = false;
    bool readSlotWord[kInventorySlotWordCount] = {};
    bool readAttachment = false;
    bool readTorchWord = false;
    bool torchOn = false;
    bool torchOff = false;
};

struct LogLine {
    int32_t channel;
    std::string text;
};

struct FakeHostState {
    HostInterface table{};
    std::vector<std::unique_ptr<FakePage>> pages;  // every page constructed
    std::vector<FakePage*> manager;                // registered, in order
    std::vector<std::unique_ptr<FakeItem>> items;  // every item created
    std::vector<uint32_t> allocations;             // byte counts asked for
    std::vector<std::unique_ptr<char[]>> memory;
    Colour colour{255, 255, 255, 255};             // current item colour
    std::vector<Colour> colourCalls;
    std::string shownPage;                         // "" = nothing shown
    std::vector<LogLine> log;
    FakePlayer playerRecord;
    FakePlayer* player = nullptr;                  // null = no player
    std::vector<std::unique_ptr<FakeWeapon>> weapons;
    Faults faults;
    // The game's frontend manager: answers this many more requests, then is
    // missing (null); -1 answers every time. Anything called on a missing
    // manager is counted, as the game would crash there.
    int managerAnswers = -1;
    int callsOnMissingManager = 0;
    bool knownGameBuild = true;
    bool redirectSucceeds = true;
    int redirectCalls = 0;
};

// Installs a fresh fake as the process's host; the binding table is zeroed too.
FakeHostState& InstallFakeHost();
FakeHostState& FakeHost();

// Conversions between the opaque records and the fake's own.
FakeItem& ItemOf(MenuItem* item);
MenuItem* AsItem(FakeItem& item);
FakePage& PageOf(FrontendPage* page);
FrontendPage* AsPage(FakePage& page);
FakeWeapon& WeaponOf(WeaponRecord* weapon);
WeaponRecord* AsWeapon(FakeWeapon& weapon);

// Pages by name (registered ones), and their items by name.
void ShowPage(const char* pageName);  // "" shows none
FakePage* FindFakePage(const char* pageName);
FakeItem* FindFakeItem(const char* pageName, const char* itemName);
// Selects that item and unselects every other item of its page; false if absent.
bool SelectItem(const char* pageName, const char* itemName);
void ClearSelection(const char* pageName);
// Takes the item off its page's grid and list; false if absent.
bool RemoveItem(const char* pageName, const char* itemName);

// The player: EnterPlay points the game at playerRecord; LeavePlay clears it.
FakePlayer& EnterPlay();
void LeavePlay();
// A weapon in slot -1..15; torchWord != 0 makes it torch-capable.
FakeWeapon& PutWeapon(int32_t slot, uint32_t torchWord);
FakeWeapon& PutWeaponWithoutAttachment(int32_t slot);
void SetSlotWords(int32_t w0, int32_t w1, int32_t w2, int32_t w3, int32_t w4);

}  // namespace dk::fake
