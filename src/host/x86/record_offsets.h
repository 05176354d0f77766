#pragma once
// Field offsets inside the game's records; every other byte belongs to the game.
#include <cstddef>
#include <cstdint>

#include "host/host_interface.h"

namespace dk::x86 {

// The pair types are stored in the game's records and read by its code as is.
static_assert(sizeof(TextRef) == 8 && offsetof(TextRef, length) == 4);
static_assert(sizeof(FloatPair) == 8);

// FrontendManager
inline constexpr uintptr_t kManagerPages = 0x28;       // FrontendPage* array
inline constexpr uintptr_t kManagerPageCount = 0xf0;   // int32

// FrontendPage
inline constexpr uintptr_t kPageItems = 0x18;          // MenuItem* [25][5], row by row
inline constexpr uintptr_t kPageParentName = 0x234;    // TextRef
inline constexpr uintptr_t kPageName = 0x23c;          // TextRef
inline constexpr uintptr_t kPageFlags = 0x2d9;         // three bytes
inline constexpr uintptr_t kPageFlagCount = 3;

// MenuItem
inline constexpr uintptr_t kItemName = 0x04;           // TextRef
inline constexpr uintptr_t kItemSelected = 0x64;       // uint8
inline constexpr uintptr_t kItemSelectable = 0x70;     // uint8
inline constexpr uintptr_t kItemKind = 0x74;           // int32
inline constexpr uintptr_t kItemValue = 0x80;          // int32 KeyCode

// The torch path
inline constexpr uintptr_t kPlayerInventory = 0x1bc;   // InventoryRecord*
inline constexpr uintptr_t kInventorySlotWords[kInventorySlotWordCount] = {0x04, 0x10, 0x14, 0x18, 0x1c};
inline constexpr uintptr_t kWeaponAttachment = 0x6c;   // WeaponAttachment*
inline constexpr uintptr_t kAttachmentTorchWord = 0x2b0;  // uint32

// The game's records are plain memory to us: a field is its record's address
// plus the offset, read and written with the field's own width.
template <typename T>
T& Field(const void* record, uintptr_t offset) {
    return *reinterpret_cast<T*>(reinterpret_cast<uintptr_t>(record) + offset);
}

}  // namespace dk::x86
