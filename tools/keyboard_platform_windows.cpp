#include <windows.h>

#include "keyboard_platform.h"
#include "platform/platform.h"

namespace dk::check {

namespace {

KeyboardLayout LayoutOf(uint32_t threadId) { return reinterpret_cast<KeyboardLayout>(GetKeyboardLayout(threadId)); }

uint32_t MapKey(uint32_t code, KeyMapping mapping, KeyboardLayout layout) {
    return MapVirtualKeyExW(code, static_cast<UINT>(mapping), reinterpret_cast<HKL>(layout));
}

// Every other service stays null: dkcheck asks for none.
PlatformInterface KeyboardOnly() {
    PlatformInterface table{};
    table.keyboardLayout = LayoutOf;
    table.mapVirtualKey = MapKey;
    return table;
}

}  // namespace

void InstallKeyboardPlatform() {
    static const PlatformInterface table = KeyboardOnly();
    InstallPlatform(&table);
}

}  // namespace dk::check
