#pragma once
#include "host/host_interface.h"

namespace dk {

// Whether the frontend shows the page of that name now; the manager is asked
// for afresh each time, and while there is none, no page is shown.
bool IsPageShown(const TextRef& pageName);

}  // namespace dk
