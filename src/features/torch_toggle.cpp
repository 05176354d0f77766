#include "features/torch_toggle.h"

#include "bindings/binding_store.h"
#include "features/boundary_faults.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"
#include "platform/platform.h"

namespace dk {

TorchToggleState torchToggle{};

namespace {

// The game lets a lit torch go out by itself, so it is lit again this often.
constexpr uint32_t kReassertAfterMs = 250;
// A slot word outside this range is not a slot number.
constexpr int32_t kLowestSlotNumber = -1;
constexpr int32_t kHighestSlotNumber = 64;
constexpr int32_t kFallbackSlotCount = 16;

bool InSlotRange(int32_t number) { return number >= kLowestSlotNumber && number <= kHighestSlotNumber; }

// One slot's answer: its weapon when torch-capable, else null. `faulted`: the
// game's own lookup faulted, most likely on a record it was rewriting; that
// ends the search, and the step has no weapon.
struct SlotLookup {
    WeaponRecord* weapon;
    bool faulted;
};

bool EndsSearch(const SlotLookup& lookup) { return lookup.weapon != nullptr || lookup.faulted; }

SlotLookup CapableItem(PlayerRecord* player, int32_t slot) {
    WeaponRecord* weapon = nullptr;
    if (!Host().getInventoryItem(player, slot, &weapon)) {
        TellBoundaryFault(BoundaryFault::InventoryCall);
        return {nullptr, true};
    }
    return {IsTorchCapable(weapon) ? weapon : nullptr, false};
}

SlotLookup WeaponOfSlotWords(PlayerRecord* player, InventoryRecord* inventory) {
    for (int word = 0; word < kInventorySlotWordCount; ++word) {
        int32_t number = 0;
        if (!Host().readSlotWord(inventory, word, &number)) {
            TellBoundaryFault(BoundaryFault::SlotWord);
            continue;
        }
        if (!InSlotRange(number)) continue;
        const SlotLookup lookup = CapableItem(player, number);
        if (EndsSearch(lookup)) return lookup;
    }
    return {nullptr, false};
}

SlotLookup FirstCapableSlot(PlayerRecord* player) {
    for (int32_t slot = 0; slot < kFallbackSlotCount; ++slot) {
        const SlotLookup lookup = CapableItem(player, slot);
        if (EndsSearch(lookup)) return lookup;
    }
    return {nullptr, false};
}

// The virtual key bound to the torch action, at its place on the player's
// keyboard; false when none can be polled.
bool TorchVirtualKey(int& virtualKey) {
    return PolledVirtualKey(ReadHostBinding(kTorchToggleAction), virtualKey);
}

// True on the poll at which the bound key is first seen down in the game.
bool PollTorchKey(int virtualKey) {
    const bool down = IsGameKeyDown(virtualKey);
    const bool pressed = down && !torchToggle.torchKeyWasDown;
    torchToggle.torchKeyWasDown = down;
    return pressed;
}

// A torch belongs to its weapon: another weapon starts out dark, and the old one is left alone.
void FollowWeapon(WeaponRecord* weapon) {
    if (weapon == torchToggle.lastWeapon) return;
    torchToggle.lastWeapon = weapon;
    torchToggle.torchOn = false;
    torchToggle.lastTorchTick = 0;
}

void Toggle(WeaponRecord* weapon) {
    torchToggle.torchOn = !torchToggle.torchOn;
    SetTorch(weapon, torchToggle.torchOn);
    Host().logPrintf(kHostLogChannel, "[KM] Torch toggle: %s (weapon=%p)", torchToggle.torchOn ? "ON" : "OFF",
                     static_cast<void*>(weapon));
    torchToggle.lastTorchTick = Platform().tickCount();
}

void KeepLit(WeaponRecord* weapon) {
    const uint32_t now = Platform().tickCount();
    if (now - torchToggle.lastTorchTick <= kReassertAfterMs) return;
    SetTorch(weapon, true);
    torchToggle.lastTorchTick = now;
}

}  // namespace

void TorchStep() {
    // Unbound by default: then the game's inventory is not even looked at.
    int virtualKey = 0;
    if (!TorchVirtualKey(virtualKey)) {
        torchToggle.torchKeyWasDown = false;
        return;
    }
    const bool pressed = PollTorchKey(virtualKey);
    PlayerRecord* player = Host().playerPointer();
    if (player == nullptr) return;
    WeaponRecord* weapon = FindCurrentWeapon(player);
    FollowWeapon(weapon);
    if (weapon == nullptr) return;
    if (pressed) Toggle(weapon);
    if (torchToggle.torchOn) KeepLit(weapon);
}

WeaponRecord* FindCurrentWeapon(PlayerRecord* player) {
    if (player == nullptr) return nullptr;
    InventoryRecord* inventory = nullptr;
    if (!Host().readInventory(player, &inventory)) {
        TellBoundaryFault(BoundaryFault::InventoryRecord);
        return nullptr;
    }
    if (inventory == nullptr) return nullptr;
    const SlotLookup current = WeaponOfSlotWords(player, inventory);
    if (EndsSearch(current)) return current.weapon;
    return FirstCapableSlot(player).weapon;
}

bool IsTorchCapable(WeaponRecord* weapon) {
    if (weapon == nullptr) return false;
    WeaponAttachment* attachment = nullptr;
    if (!Host().readAttachment(weapon, &attachment)) {
        TellBoundaryFault(BoundaryFault::Attachment);
        return false;
    }
    if (attachment == nullptr) return false;
    uint32_t torchWord = 0;
    if (!Host().readTorchWord(attachment, &torchWord)) {
        TellBoundaryFault(BoundaryFault::TorchWord);
        return false;
    }
    return torchWord != 0;
}

void SetTorch(WeaponRecord* weapon, bool on) {
    if (weapon == nullptr) return;
    // A fault in the game's torch code leaves the torch as it was.
    if (on) {
        if (!Host().torchOn(weapon)) TellBoundaryFault(BoundaryFault::TorchOnCall);
    } else {
        if (!Host().torchOff(weapon)) TellBoundaryFault(BoundaryFault::TorchOffCall);
    }
}

void ResetTorchToggle() {
    torchToggle = TorchToggleState{};
    ResetBoundaryFaults();
}

}  // namespace dk
