#pragma once
// Reads of the game's frontend records that may not be there: the manager
// before the game has built it, pages and names while it changes them.
#include "host/host_interface.h"

namespace dk::x86 {

// Whether every field the plug-in reads from the manager can be read.
bool IsReadableManager(const FrontendManager* manager);

// The page's own name equals `name`, read byte by byte up to its NUL; false
// for a null or unreadable page or text.
bool IsPageNamed(FrontendPage* page, const char* name);

}  // namespace dk::x86
