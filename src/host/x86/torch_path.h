#pragma once
// The guarded torch path: the game's torch calls and the record reads that
// lead to a weapon, none of which may bring the game down.
#include <cstdint>

namespace dk::x86 {

// Calls a torch function (weapon in ecx, on/off in dl) under a fault guard;
// false when it faulted.
bool GuardedTorchCall(uintptr_t address, void* weapon, uint8_t on);

// Calls an inventory lookup (player in ecx, slot in eax, item back in eax)
// under a fault guard; false, and *item untouched, when it faulted.
bool GuardedInventoryCall(uintptr_t address, void* player, int32_t slot, void** item);

}  // namespace dk::x86
