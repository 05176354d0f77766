#pragma once
#include <cstdint>

#include "keys/key_code.h"

namespace dk::check {

// The game keeps only the low byte of a code, so 222 and -34 are one key.
constexpr uint8_t KeptByte(KeyCode code) { return static_cast<uint8_t>(code); }

}  // namespace dk::check
