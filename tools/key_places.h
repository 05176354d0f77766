#pragma once
// Where every key and mouse button sits on the picture of a layout: one table,
// in quarters of a key width, measured from the top left of the keyboard.
#include <cstdint>
#include <span>

#include "kept_byte.h"
#include "keys/key_code.h"

namespace dk::check {

enum class PlaceShape : uint8_t {
    Key,          // a plain rectangle
    IsoEnter,     // the tall Return key, wide in its upper row
    MouseButton,  // drawn on the mouse body
};

struct KeyPlace {
    KeyCode code;        // DirectInput scan code or mouse code; NONE for a button that cannot be bound
    const char* legend;  // what the keycap says on a US keyboard
    int16_t x, y, w, h;  // quarters of a key width
    PlaceShape shape;
};

// The rounded body under the mouse buttons, in the same units.
struct PlaceRect {
    int16_t x, y, w, h;
};
inline constexpr PlaceRect kMouseBody = {96, 6, 16, 20};
// Width and height of everything on the table, in quarters.
inline constexpr int16_t kPlacesWidth = 112;
inline constexpr int16_t kPlacesHeight = 26;

std::span<const KeyPlace> KeyPlaces();

// The place of the key or button the game sees for `code`, compared by the
// byte it keeps; null when the drawing has none (NONE included).
const KeyPlace* FindPlace(KeyCode code);

}  // namespace dk::check
