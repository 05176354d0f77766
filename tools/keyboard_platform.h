#pragma once
// The platform table behind dkcheck's key labels: the plug-in's keyboard-layout
// code (keys/keyboard_layout.h) asks it for the layout of dkcheck's own thread
// and for that layout's keys. dkcheck uses no other service of the table.
#include <cstdint>

#include "platform/platform.h"

namespace dk::check {

// On Windows, the keyboard layouts as Windows has them. Elsewhere there is
// none, so no layout is ever in force and keys keep a US keyboard's labels.
void InstallKeyboardPlatform();

// The system's side, one file for each system.
KeyboardLayout SystemKeyboardLayout(uint32_t threadId);
uint32_t SystemMapKey(uint32_t code, KeyMapping mapping, KeyboardLayout layout);

}  // namespace dk::check
