#pragma once
#include <cstdint>

#include "bindings/action_catalogue.h"
#include "host/host_interface.h"

namespace dk {

// Reads a number the way the game's own names are written: optional leading
// blanks, an optional sign, then digits up to the first other character. No
// digits gives 0; values beyond 32 bits saturate (they are out of range anyway).
int32_t ParseDecimalPrefix(const char* text);

// The action a key-bind item stands for, read from its name. False when the
// item has no name text or the number lies outside 0..59.
bool ReadItemIndex(MenuItem* item, ActionIndex& index);

}  // namespace dk
