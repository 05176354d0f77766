#include "core/controller_state.h"

namespace dk {

ControllerState controller{};

void ResetControllerState() { controller = ControllerState{}; }

}  // namespace dk
