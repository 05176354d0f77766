#pragma once
#include "keys/key_code.h"

namespace dk {

// The name the game shows, as a constant UTF-16 string. Nothing is written at
// call time, so any game thread may ask at any moment; the pointer stays valid
// and unchanged for the life of the process. The game's redirected key-name
// call lands here through the x86 entry.
const char16_t* KeyNameWide(KeyCode code);

// One name for each looked-up code, from the lowest up.
using WideNameTable = const char16_t* const*;

// The fixed names, the same as the narrow display names.
WideNameTable FixedWideNames();

// From now on KeyNameWide answers from `names`, which must outlive the process's
// last call. One atomic store: a thread asking meanwhile gets the old name or the new.
void ShowWideNames(WideNameTable names);

}  // namespace dk
