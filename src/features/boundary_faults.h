#pragma once
// Faults the game raised at the boundary and the fault guards caught: the
// game's own calls on the torch path, and its records read there. Each kind
// is told to the log once per start, saying what was being done; the torch
// step simply has no weapon that time.
#include <cstdint>

namespace dk {

enum class BoundaryFault : uint8_t {
    InventoryCall,  // the game's lookup of an inventory slot's item
    TorchOnCall,
    TorchOffCall,
    InventoryRecord,  // the player's inventory pointer
    SlotWord,         // a current-slot word of the inventory
    Attachment,       // a weapon's attachment pointer
    TorchWord,        // an attachment's torch word
    Count,
};

void TellBoundaryFault(BoundaryFault kind);

// Back to nothing told. For tests.
void ResetBoundaryFaults();

}  // namespace dk
