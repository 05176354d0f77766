#pragma once
#include <string>

#include "keys/key_code.h"

namespace dk {

// What the player's key at the place of `code` is labelled under the keyboard
// layout in force, as UTF-8, where that differs from its fixed name (a US
// keyboard's); empty elsewhere, and while no layout is in force. For programs
// that show the game's keys in text of their own.
std::string LayoutLabel(KeyCode code);

}  // namespace dk
