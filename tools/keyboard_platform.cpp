#include "keyboard_platform.h"

namespace dk::check {

namespace {

// Every other service stays null: dkcheck asks for none.
PlatformInterface KeyboardOnly() {
    PlatformInterface table{};
    table.keyboardLayout = SystemKeyboardLayout;
    table.mapVirtualKey = SystemMapKey;
    return table;
}

}  // namespace

void InstallKeyboardPlatform() {
    static const PlatformInterface table = KeyboardOnly();
    InstallPlatform(&table);
}

}  // namespace dk::check
