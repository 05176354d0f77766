#pragma once
#include <cstdint>

namespace dk {

// A binding: DirectInput scan codes 1..255, 0 for none, -1 while waiting for a
// key, and negative mouse codes. The game keeps only the low byte.
using KeyCode = int32_t;

inline constexpr KeyCode NONE = 0;
inline constexpr KeyCode PRESS_A_KEY = -1;
inline constexpr KeyCode MOUSE_LEFT = -34;
inline constexpr KeyCode MOUSE_RIGHT = -32;
inline constexpr KeyCode MOUSE_X1 = -28;
inline constexpr KeyCode MOUSE_X2 = -29;

constexpr bool IsMouseCode(KeyCode code) {
    return code == MOUSE_LEFT || code == MOUSE_RIGHT || code == MOUSE_X1 || code == MOUSE_X2;
}

// A byte of the game's table as a code: the scan code 0..255 itself, except
// the bytes of the four mouse codes, which stand for those codes.
constexpr KeyCode KeyCodeOfByte(uint8_t byte) {
    const KeyCode asSigned = static_cast<int8_t>(byte);
    return IsMouseCode(asSigned) ? asSigned : KeyCode{byte};
}

}  // namespace dk
