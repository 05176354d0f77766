#pragma once
// The game's records as raw bytes at the game's offsets. Written from the
// offsets alone, apart from the plug-in's own headers, so that a wrong offset
// on either side shows up as a failing run rather than cancelling out.
#include <cstdint>
#include <cstring>
#include <string>

namespace standin {

struct GameText {  // pointer to 8-bit text, then its length without the NUL
    const char* text;
    int32_t length;
};
struct GamePair {
    float x;
    float y;
};

template <typename T>
T& Field(void* record, uint32_t offset) {
    return *reinterpret_cast<T*>(static_cast<uint8_t*>(record) + offset);
}

inline std::string TextOf(const GameText& t) {
    if (!t.text || t.length < 0) return {};
    return std::string(t.text, static_cast<size_t>(t.length));
}

// Game offsets.
namespace at {
inline constexpr uint32_t kManagerPages = 0x28;
inline constexpr uint32_t kManagerPageCount = 0xf0;
inline constexpr uint32_t kPageItems = 0x18;
inline constexpr uint32_t kPageParentName = 0x234;
inline constexpr uint32_t kPageName = 0x23c;
inline constexpr uint32_t kPageFlags = 0x2d9;  // three bytes
inline constexpr uint32_t kItemName = 0x04;
inline constexpr uint32_t kItemSelected = 0x64;
inline constexpr uint32_t kItemSelectable = 0x70;
inline constexpr uint32_t kItemKind = 0x74;
inline constexpr uint32_t kItemValue = 0x80;
inline constexpr uint32_t kPlayerInventory = 0x1bc;
inline constexpr uint32_t kInventorySlotWords[5] = {0x04, 0x10, 0x14, 0x18, 0x1c};
inline constexpr uint32_t kWeaponAttachment = 0x6c;
inline constexpr uint32_t kAttachmentTorchWord = 0x2b0;
}  // namespace at

inline constexpr uint32_t kPageBytes = 736;
inline constexpr int kRows = 25;
inline constexpr int kColumns = 5;
inline constexpr int32_t kKindKeyBind = 19;

// Fields that are the stand-in's own business, in bytes the game leaves to itself.
namespace own {
inline constexpr uint32_t kManagerCurrentPage = 0x10;
inline constexpr uint32_t kManagerSize = 0x100;
inline constexpr uint32_t kPageCompleteCalls = 0x2c0;
inline constexpr uint32_t kPageConstructed = 0x2c4;  // magic once constructed
inline constexpr uint32_t kItemMagic = 0x00;
inline constexpr uint32_t kItemLabel = 0x0c;  // GameText, our own copy
inline constexpr uint32_t kItemRed = 0x40;    // four int32: r g b a
inline constexpr uint32_t kItemPosition = 0x50;
inline constexpr uint32_t kItemScale = 0x58;
inline constexpr uint32_t kItemPage = 0x88;  // not right after value: a spill past it must show
inline constexpr uint32_t kItemSize = 0x90;
inline constexpr uint32_t kPlayerWeapons = 0x200;  // 16 weapon pointers, slots 0..15
inline constexpr uint32_t kPlayerMinusOneWeapon = 0x240;
inline constexpr uint32_t kPlayerLookupFault = 0x244;  // how the inventory lookup faults (LookupFault)
inline constexpr uint32_t kPlayerSize = 0x300;
inline constexpr uint32_t kInventorySize = 0x40;
inline constexpr uint32_t kWeaponLit = 0x80;
inline constexpr uint32_t kWeaponOnCalls = 0x84;
inline constexpr uint32_t kWeaponOffCalls = 0x88;
inline constexpr uint32_t kWeaponFaulty = 0x8c;  // the torch call faults
inline constexpr uint32_t kWeaponSize = 0x100;
inline constexpr uint32_t kAttachmentSize = 0x300;
}  // namespace own

inline constexpr uint32_t kConstructedMagic = 0x45474150;  // "PAGE"
inline constexpr uint32_t kItemMagicValue = 0x4d455449;    // "ITEM"

inline constexpr int32_t kKindText = 1;  // the stand-in's numbers for the other kinds
inline constexpr int32_t kKindLink = 2;

}  // namespace standin
