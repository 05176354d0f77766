#pragma once
#include "host/host_interface.h"

namespace dk {

// The item under the page's cursor: the first selected one, row by row; null when none.
MenuItem* FindSelectedItem(FrontendPage* page);

}  // namespace dk
