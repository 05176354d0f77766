#pragma once
#include "keys/key_code.h"

namespace dk {

inline constexpr int kWideNameCapacity = 64;

// The display name as UTF-16 in one static buffer of 64 code units, cut at 63
// plus the terminator; each call overwrites it. The game's redirected key-name
// call lands here through the x86 entry.
const char16_t* KeyNameWide(KeyCode code);

// Widens an 8-bit name byte for byte into `out`, cut to fit with its terminator.
void WidenKeyName(const char* name, char16_t (&out)[kWideNameCapacity]);

}  // namespace dk
