#pragma once
#include "keys/key_code.h"

namespace dk {

// The display name as a constant UTF-16 string. Nothing is written at call
// time, so any game thread may ask at any moment; the pointer stays valid for
// the life of the module. The game's redirected key-name call lands here
// through the x86 entry.
const char16_t* KeyNameWide(KeyCode code);

}  // namespace dk
