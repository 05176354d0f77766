#pragma once
#include "core/tick_sleeps.h"

namespace dk {

// One pass of the controller loop, its closing sleep included. Gives how the
// tick ended.
TickEnd ControllerTick();

}  // namespace dk
