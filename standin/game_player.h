#pragma once
// The player, the inventory, weapons with torches, and the game's log.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

extern "C" {
// Bodies behind the register-form entries (see game_register_entries.cpp).
void* GameGetInventoryItemBody(void* player, int32_t slot);
void GameTorchBody(void* weapon, uint32_t dl, int32_t switchOn);
}
void __cdecl GameLogPrintf(int32_t channel, const char* format, ...);

struct TorchCall {
    void* weapon;
    bool on;
    uint32_t atTick;
};

void* NewPlayer();  // empty inventory, no weapons; not yet the current player
void SetCurrentPlayer(void* player);  // writes the game's player pointer (null: none)
void* NewWeapon(bool withAttachment, uint32_t torchWord);
void SetWeaponAttachment(void* weapon, void* attachment);
void SetWeaponFaulty(void* weapon, bool faulty);
void PutWeapon(void* player, int32_t slot, void* weapon);  // 0..15, or -1
void SetSlotWord(void* player, int word, int32_t value);   // word 0..4 of the inventory
void SetInventoryPointer(void* player, void* inventory);
// How the game's inventory lookup goes wrong: not at all, by reading the
// inventory record (faults when that is unmapped), or by faulting outright.
enum LookupFault : int32_t { kLookupWorks = 0, kLookupReadsInventory = 1, kLookupBreaks = 2 };
void SetInventoryLookupFault(void* player, LookupFault fault);
void* InventoryOf(void* player);
void* UnmappedAddress();  // reserved, never committed: any access faults

bool WeaponLit(void* weapon);
const std::vector<TorchCall>& TorchCalls();
const std::vector<int32_t>& InventoryQueries();
void ClearInventoryQueries();
const std::vector<std::string>& LogLines();

}  // namespace standin
