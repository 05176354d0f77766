#pragma once
#include "core/tick_frame.h"
#include "core/tick_sleeps.h"

namespace dk {

// No capture under way on a custom page: a fresh Enter press, taken only when
// its gates allow, starts a capture on a key-bind item or resets the page.
TickEnd EnterStep(const TickFrame& frame);

}  // namespace dk
