#include "keyboard_platform.h"
#include "platform/platform.h"

namespace dk::check {

namespace {

KeyboardLayout NoLayout(uint32_t) { return 0; }

uint32_t NoKey(uint32_t, KeyMapping, KeyboardLayout) { return 0; }

// Every other service stays null: dkcheck asks for none.
PlatformInterface KeyboardOnly() {
    PlatformInterface table{};
    table.keyboardLayout = NoLayout;
    table.mapVirtualKey = NoKey;
    return table;
}

}  // namespace

void InstallKeyboardPlatform() {
    static const PlatformInterface table = KeyboardOnly();
    InstallPlatform(&table);
}

}  // namespace dk::check
