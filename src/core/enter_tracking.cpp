#include "core/enter_tracking.h"

#include "core/controller_state.h"
#include "keys/virtual_key_codes.h"
#include "platform/platform.h"

namespace dk {

bool TrackEnter() {
    const bool enterDown = Platform().isKeyDown(kVkReturn);
    if (controller.waitEnterRelease && !enterDown) controller.waitEnterRelease = false;
    // The edge alone: waiting for a release does not enter into it.
    const bool enterPressed = enterDown && !controller.enterWasDown;
    controller.enterWasDown = enterDown;
    return enterPressed;
}

}  // namespace dk
