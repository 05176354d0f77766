#include <windows.h>

#include "keyboard_platform.h"

namespace dk::check {

KeyboardLayout SystemKeyboardLayout(uint32_t threadId) {
    return reinterpret_cast<KeyboardLayout>(GetKeyboardLayout(threadId));
}

uint32_t SystemMapKey(uint32_t code, KeyMapping mapping, KeyboardLayout layout) {
    return MapVirtualKeyExW(code, static_cast<UINT>(mapping), reinterpret_cast<HKL>(layout));
}

}  // namespace dk::check
