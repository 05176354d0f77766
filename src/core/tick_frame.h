#pragma once
#include <cstdint>

#include "core/controller_state.h"

namespace dk {

// What one tick reads afresh, once, and hands to its steps.
struct TickFrame {
    uint32_t now;
    bool onMovement;
    bool onAction;
    bool capturingNow;
    ActivePage mode;
    bool enterPressed;
};

}  // namespace dk
