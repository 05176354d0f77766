#pragma once
// Entries of the game functions that take their arguments in registers.
extern "C" {
void GameGetInventoryItemEntry();  // ecx = player, eax = slot; weapon in eax
void GameTorchOnEntry();           // ecx = weapon, dl = 1
void GameTorchOffEntry();          // ecx = weapon, dl = 0
}
