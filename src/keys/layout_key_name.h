#pragma once
#include <cstdint>

#include "keys/key_code.h"

namespace dk {

// The one character the game shows for a character place under a layout, or
// 0 where the place keeps its fixed name. `virtualKey` is the key the layout
// puts at the place, `character` what that key types (MapVirtualKeyExW's
// answer, dead-key bit included).
char16_t LayoutKeyName(KeyCode place, uint32_t virtualKey, uint32_t character);

}  // namespace dk
