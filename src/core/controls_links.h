#pragma once
#include "host/host_interface.h"

namespace dk {

// The first registered page named "controls", or null.
FrontendPage* FindControlsPage();

// Renames the controls page's two links so that they open the custom pages.
// A missing page or link is left as it is. Called under ControllerLock.
void RedirectControlsLinks();

}  // namespace dk
