#include "keyboard_platform.h"

namespace dk::check {

KeyboardLayout SystemKeyboardLayout(uint32_t) { return 0; }

uint32_t SystemMapKey(uint32_t, KeyMapping, KeyboardLayout) { return 0; }

}  // namespace dk::check
