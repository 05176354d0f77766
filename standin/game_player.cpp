#include "game_player.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "checks.h"
#include "game_addresses.h"
#include "game_records.h"

namespace standin {

uint32_t VirtualNow();  // the virtual clock (virtual_world.cpp)

namespace {
constexpr int32_t kLogChannel = 1109;
std::vector<TorchCall> torchCalls;
std::vector<int32_t> inventoryQueries;
std::vector<std::string> logLines;

void* Zeroed(uint32_t bytes) { return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes); }
void* CurrentPlayer() { return *GameAt<void*>(kPlayerPointerAddress); }
}  // namespace

extern "C" void* GameGetInventoryItemBody(void* player, int32_t slot) {
    inventoryQueries.push_back(slot);
    if (!player || player != CurrentPlayer()) {
        Violation("inventory item asked of something that is not the current player");
        return nullptr;
    }
    const int32_t fault = Field<int32_t>(player, own::kPlayerLookupFault);
    if (fault == kLookupReadsInventory) (void)*static_cast<volatile int32_t*>(InventoryOf(player));
    if (fault == kLookupBreaks) asm volatile("ud2");
    if (slot == -1) return Field<void*>(player, own::kPlayerMinusOneWeapon);
    if (slot < 0 || slot > 15) return nullptr;
    return Field<void*>(player, own::kPlayerWeapons + 4 * slot);
}

extern "C" void GameTorchBody(void* weapon, uint32_t dl, int32_t switchOn) {
    // A broken weapon record: the game touches what it points at and faults.
    // Nothing else may happen before that read, so the fault leaves no state.
    if (Field<int32_t>(weapon, own::kWeaponFaulty)) {
        volatile int32_t* bad = static_cast<volatile int32_t*>(UnmappedAddress());
        Field<int32_t>(weapon, own::kWeaponLit) = *bad;
    }
    if (dl != static_cast<uint32_t>(switchOn))
        Violation("torch " + std::string(switchOn ? "on" : "off") + " called with dl=" + std::to_string(dl));
    Field<int32_t>(weapon, own::kWeaponLit) = switchOn;
    ++Field<int32_t>(weapon, switchOn ? own::kWeaponOnCalls : own::kWeaponOffCalls);
    torchCalls.push_back({weapon, switchOn != 0, VirtualNow()});
}

void __cdecl GameLogPrintf(int32_t channel, const char* format, ...) {
    if (channel != kLogChannel) Violation("log channel " + std::to_string(channel));
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    logLines.push_back(line);
}

void* NewPlayer() {
    void* player = Zeroed(own::kPlayerSize);
    Field<void*>(player, at::kPlayerInventory) = Zeroed(own::kInventorySize);
    return player;
}

void SetCurrentPlayer(void* player) { *GameAt<void*>(kPlayerPointerAddress) = player; }

void* NewWeapon(bool withAttachment, uint32_t torchWord) {
    void* weapon = Zeroed(own::kWeaponSize);
    if (withAttachment) {
        void* attachment = Zeroed(own::kAttachmentSize);
        Field<uint32_t>(attachment, at::kAttachmentTorchWord) = torchWord;
        Field<void*>(weapon, at::kWeaponAttachment) = attachment;
    }
    return weapon;
}

void SetWeaponAttachment(void* weapon, void* attachment) { Field<void*>(weapon, at::kWeaponAttachment) = attachment; }
void SetWeaponFaulty(void* weapon, bool faulty) { Field<int32_t>(weapon, own::kWeaponFaulty) = faulty; }

void PutWeapon(void* player, int32_t slot, void* weapon) {
    if (slot == -1) Field<void*>(player, own::kPlayerMinusOneWeapon) = weapon;
    else Field<void*>(player, own::kPlayerWeapons + 4 * slot) = weapon;
}

void SetSlotWord(void* player, int word, int32_t value) {
    Field<int32_t>(Field<void*>(player, at::kPlayerInventory), at::kInventorySlotWords[word]) = value;
}

void SetInventoryPointer(void* player, void* inventory) { Field<void*>(player, at::kPlayerInventory) = inventory; }
void* InventoryOf(void* player) { return Field<void*>(player, at::kPlayerInventory); }
void SetInventoryLookupFault(void* player, LookupFault fault) { Field<int32_t>(player, own::kPlayerLookupFault) = fault; }

void* UnmappedAddress() {
    static void* reserved = VirtualAlloc(nullptr, 0x10000, MEM_RESERVE, PAGE_NOACCESS);
    return static_cast<uint8_t*>(reserved) + 0x120;
}

bool WeaponLit(void* weapon) { return Field<int32_t>(weapon, own::kWeaponLit) != 0; }
const std::vector<TorchCall>& TorchCalls() { return torchCalls; }
const std::vector<int32_t>& InventoryQueries() { return inventoryQueries; }
void ClearInventoryQueries() { inventoryQueries.clear(); }
const std::vector<std::string>& LogLines() { return logLines; }

}  // namespace standin
