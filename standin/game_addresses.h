#pragma once
// Where the game keeps its fixed data and code. The operations' own addresses
// live with the table that places them, in game_image.cpp.
#include <cstdint>

namespace standin {

inline constexpr uint32_t kBindingTableAddress = 0x76e1c8;
inline constexpr int kBindingSlotCount = 60;
inline constexpr uint32_t kPlayerPointerAddress = 0x789490;
inline constexpr uint32_t kKeyNameCallSite = 0x5602b3;

// The span of the game image that the stand-in must own: the lowest game
// function up to past the player pointer.
inline constexpr uint32_t kGameCodeFirst = 0x4f0000;
inline constexpr uint32_t kGameCodeEnd = 0x590000;  // code pages: sealed read+execute
inline constexpr uint32_t kGameSpanEnd = 0x790000;

template <typename T>
T* GameAt(uint32_t address) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(address));
}

}  // namespace standin
