#pragma once
// The plug-in's own action: a key that switches the current weapon's torch.
#include <cstdint>

#include "bindings/action_catalogue.h"
#include "host/host_interface.h"

namespace dk {

inline constexpr ActionIndex kTorchToggleAction = 48;

struct TorchToggleState {
    bool torchKeyWasDown;
    WeaponRecord* lastWeapon;
    bool torchOn;             // meant to be on, for lastWeapon
    uint32_t lastTorchTick;   // last toggle or re-assertion
};

extern TorchToggleState torchToggle;

// One poll: toggles on a fresh press and keeps a lit torch lit.
void TorchStep();

// The torch-capable weapon of the player's current slot, else of slots 0..15;
// null if none, and null when the game's inventory lookup faults.
WeaponRecord* FindCurrentWeapon(PlayerRecord* player);
bool IsTorchCapable(WeaponRecord* weapon);
void SetTorch(WeaponRecord* weapon, bool on);

// Back to the state at load. For tests.
void ResetTorchToggle();

}  // namespace dk
