#include "core/page_change.h"

#include "core/controller_timing.h"

namespace dk {

void HandlePageChange(ActivePage mode, uint32_t now) {
    if (mode == controller.lastMode) return;
    controller.lastMode = mode;
    // Leaving to play keeps a capture and its item as they are.
    if (mode == kNoCustomPage) return;
    controller.waitEnterRelease = true;
    controller.enterAllowedAt = now + kEnterAllowedDelayMs;
    controller.lastActionTick = now;
    controller.enterWasDown = true;
}

}  // namespace dk
