#include "host/x86/torch_path.h"

#include "host/x86/call_forms.h"
#include "host/x86/fault_guard.h"
#include "host/x86/host_addresses.h"
#include "host/x86/record_offsets.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

struct TorchCall {
    uintptr_t address;
    void* weapon;
    uint8_t on;
};

void CallTorch(void* context) {
    const auto* call = static_cast<const TorchCall*>(context);
    CallEcxDl(call->address, call->weapon, call->on);
}

struct InventoryCall {
    uintptr_t address;
    void* player;
    int32_t slot;
    void* item;
};

void CallInventory(void* context) {
    auto* call = static_cast<InventoryCall*>(context);
    call->item = CallEcxEax(call->address, call->player, call->slot);
}

// The slot numbers come from a record the game may be rewriting, and the
// game's lookup trusts them.
bool GetInventoryItem(PlayerRecord* player, int32_t slot, WeaponRecord** out) {
    void* item = nullptr;
    if (!GuardedInventoryCall(kHostGetInventoryItem, player, slot, &item)) return false;
    *out = static_cast<WeaponRecord*>(item);
    return true;
}

bool TorchOn(WeaponRecord* weapon) { return GuardedTorchCall(kHostTorchOn, weapon, 1); }

bool TorchOff(WeaponRecord* weapon) { return GuardedTorchCall(kHostTorchOff, weapon, 0); }

bool ReadInventory(PlayerRecord* player, InventoryRecord** out) {
    return SafeReadField(player, kPlayerInventory, out);
}

bool ReadSlotWord(InventoryRecord* inventory, int wordIndex, int32_t* out) {
    if (wordIndex < 0 || wordIndex >= kInventorySlotWordCount) return false;
    return SafeReadField(inventory, kInventorySlotWords[wordIndex], out);
}

bool ReadAttachment(WeaponRecord* weapon, WeaponAttachment** out) {
    return SafeReadField(weapon, kWeaponAttachment, out);
}

bool ReadTorchWord(WeaponAttachment* attachment, uint32_t* out) {
    return SafeReadField(attachment, kAttachmentTorchWord, out);
}

}  // namespace

bool GuardedTorchCall(uintptr_t address, void* weapon, uint8_t on) {
    TorchCall call{address, weapon, on};
    return RunGuarded(CallTorch, &call);
}

bool GuardedInventoryCall(uintptr_t address, void* player, int32_t slot, void** item) {
    InventoryCall call{address, player, slot, nullptr};
    if (!RunGuarded(CallInventory, &call)) return false;
    *item = call.item;
    return true;
}

void FillTorchPath(HostInterface& host) {
    host.getInventoryItem = GetInventoryItem;
    host.torchOn = TorchOn;
    host.torchOff = TorchOff;
    host.readInventory = ReadInventory;
    host.readSlotWord = ReadSlotWord;
    host.readAttachment = ReadAttachment;
    host.readTorchWord = ReadTorchWord;
}

}  // namespace dk::x86
