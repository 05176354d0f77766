#pragma once
// Where the game keeps what the plug-in uses. The game's image is never
// relocated, so these are absolute addresses in every process of this build.
#include <cstdint>

namespace dk::x86 {

// Game functions, with the call form each one expects.
inline constexpr uintptr_t kHostAllocate = 0x580ed0;           // plain
inline constexpr uintptr_t kHostConstructPage = 0x553100;      // on the memory
inline constexpr uintptr_t kHostPageAddItem = 0x5646f0;        // on the page
inline constexpr uintptr_t kHostPageComplete = 0x563fd0;       // on the page
inline constexpr uintptr_t kHostGetFrontendManager = 0x562df0; // plain
inline constexpr uintptr_t kHostRegisterPage = 0x5626a0;       // on the manager
inline constexpr uintptr_t kHostIsPageActive = 0x5623f0;       // on the manager
inline constexpr uintptr_t kHostPageFindItem = 0x564040;       // on the page
inline constexpr uintptr_t kHostSetItemColour = 0x561910;      // plain
inline constexpr uintptr_t kHostCreateTextItem = 0x55eff0;     // plain
inline constexpr uintptr_t kHostCreateLinkItem = 0x55fb20;     // plain
inline constexpr uintptr_t kHostCreateKeyBindItem = 0x55d2d0;  // plain
inline constexpr uintptr_t kHostLogPrintf = 0x53d8d0;          // plain, variadic
inline constexpr uintptr_t kHostGetInventoryItem = 0x4f66c6;   // ecx player, eax slot
inline constexpr uintptr_t kHostTorchOn = 0x5271f1;            // ecx weapon, dl 1
inline constexpr uintptr_t kHostTorchOff = 0x527201;           // ecx weapon, dl 0

// Game data.
inline constexpr uintptr_t kHostBindingTable = 0x76e1c8;  // 60 slots of 4 bytes
inline constexpr int32_t kHostBindingSlotCount = 60;
inline constexpr uintptr_t kHostBindingSlotStride = 4;
inline constexpr uintptr_t kHostPlayerPointer = 0x789490;  // PlayerRecord*, 0 without a player

// The near call whose target answers the game's key-name requests.
inline constexpr uintptr_t kKeyNameCallSite = 0x5602b3;

}  // namespace dk::x86
