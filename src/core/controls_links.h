#pragma once
#include "host/host_interface.h"

namespace dk {

// Renames the links of the first registered page named "controls" so that
// they open the custom pages. A missing page or link is left as it is. False
// when the game has no frontend to look in: nothing was looked for. Called
// under ControllerLock.
bool RedirectControlsLinks();

}  // namespace dk
