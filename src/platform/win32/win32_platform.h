#pragma once
// The real Windows services behind the platform table.
#include <windows.h>

#include "platform/platform.h"

namespace dk::win32 {

// The plug-in module itself; null until the entry finds it, and then the
// game's main module stands in for it.
extern HMODULE moduleHandle;

const PlatformInterface& Win32Platform();

}  // namespace dk::win32
