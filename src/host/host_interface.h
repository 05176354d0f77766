#pragma once
// The one seam between the plug-in and the game. The portable code calls the
// game and touches its records only through this table; the x86 build fills it
// with the game's fixed addresses and record offsets, tests fill it with a fake.
#include <cstdint>
#include <string>

namespace dk {

// Game records are opaque here: nothing outside the host layer knows a layout.
struct FrontendManager;
struct FrontendPage;
struct MenuItem;
struct PlayerRecord;
struct InventoryRecord;
struct WeaponRecord;
struct WeaponAttachment;

// The game's text and pair types, passed by address to its frontend calls.
struct TextRef {
    const char* text;
    int32_t length;  // without the terminating NUL
};

struct FloatPair {
    float x;
    float y;
};

inline constexpr int32_t ItemKindKeyBind = 19;
inline constexpr uint32_t kFrontendPageBytes = 736;  // what a page record takes
inline constexpr int kPageRows = 25;
inline constexpr int kPageColumns = 5;
inline constexpr int kInventorySlotWordCount = 5;
inline constexpr int32_t kHostLogChannel = 1109;

struct HostInterface {
    // Game operations. getFrontendManager gives null while the game has no
    // frontend, or one whose record cannot be read; nothing is called on it then.
    void* (*allocate)(uint32_t bytes);
    FrontendPage* (*constructPage)(void* memory);
    void (*pageAddItem)(FrontendPage* page, MenuItem* item);
    void (*pageComplete)(FrontendPage* page);
    FrontendManager* (*getFrontendManager)();
    void (*registerPage)(FrontendManager* manager, FrontendPage* page);
    bool (*isPageActive)(FrontendManager* manager, const TextRef* pageName);
    MenuItem* (*pageFindItem)(FrontendPage* page, const char* name);
    void (*setItemColour)(int32_t red, int32_t green, int32_t blue, int32_t alpha);
    MenuItem* (*createTextItem)(const TextRef* text, const FloatPair* position, const FloatPair* scale);
    MenuItem* (*createLinkItem)(const TextRef* target, const TextRef* label, const FloatPair* position);
    MenuItem* (*createKeyBindItem)(const TextRef* label, const FloatPair* position, const FloatPair* scale);
    void (*logPrintf)(int32_t channel, const char* format, ...);

    // The torch path, fault-guarded: each returns false when the game faulted
    // instead of raising the fault, and then leaves *out untouched.
    bool (*getInventoryItem)(PlayerRecord* player, int32_t slot, WeaponRecord** out);
    bool (*torchOn)(WeaponRecord* weapon);
    bool (*torchOff)(WeaponRecord* weapon);
    bool (*readInventory)(PlayerRecord* player, InventoryRecord** out);
    bool (*readSlotWord)(InventoryRecord* inventory, int wordIndex, int32_t* out);
    bool (*readAttachment)(WeaponRecord* weapon, WeaponAttachment** out);
    bool (*readTorchWord)(WeaponAttachment* attachment, uint32_t* out);

    // The game's registered pages, which the game may be building or tearing
    // down: page() is null past the manager's page array, and isPageNamed is
    // false for a null or unreadable page or name instead of faulting.
    int32_t (*pageCount)(FrontendManager* manager);
    FrontendPage* (*page)(FrontendManager* manager, int32_t index);
    bool (*isPageNamed)(FrontendPage* page, const char* name);

    // Record fields, unguarded: the plug-in's own pages and items.
    void (*setPageName)(FrontendPage* page, TextRef name);
    void (*setParentName)(FrontendPage* page, TextRef name);
    void (*clearPageFlags)(FrontendPage* page);
    MenuItem* (*pageItem)(FrontendPage* page, int row, int column);
    TextRef (*itemName)(MenuItem* item);
    void (*setItemName)(MenuItem* item, TextRef name);
    bool (*itemSelected)(MenuItem* item);
    void (*setItemSelectable)(MenuItem* item, uint8_t selectable);
    int32_t (*itemKind)(MenuItem* item);
    int32_t (*itemValue)(MenuItem* item);
    void (*setItemValue)(MenuItem* item, int32_t value);
    PlayerRecord* (*playerPointer)();

    // The game's action table: the first byte of slot i (0..59) only.
    uint8_t (*bindingSlotByte)(int32_t slot);
    void (*setBindingSlotByte)(int32_t slot, uint8_t value);

    // Code patching. isKnownGameBuild: the key-name call site holds the near
    // call this plug-in was made for; when not, `difference` says what the
    // game holds there instead, in words for the log. redirectKeyNameCall:
    // false when the site could not be made writable (and then nothing was written).
    bool (*isKnownGameBuild)(std::string& difference);
    bool (*redirectKeyNameCall)();
};

void InstallHostInterface(const HostInterface* table);
const HostInterface& Host();

}  // namespace dk
