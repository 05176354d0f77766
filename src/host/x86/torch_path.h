#pragma once
// The guarded torch path: the game's torch calls and the record reads that
// lead to a weapon, none of which may bring the game down.
#include <cstdint>

namespace dk::x86 {

// Calls a torch function (weapon in ecx, on/off in dl) under a fault guard;
// false when it faulted.
bool GuardedTorchCall(uintptr_t address, void* weapon, uint8_t on);

}  // namespace dk::x86
