#include "core/enter_tracking.h"

#include "core/controller_state.h"
#include "keys/game_keyboard.h"
#include "keys/virtual_key_codes.h"

namespace dk {

bool TrackEnter() {
    const GameKey enter = ReadGameKey(kVkReturn);
    // Released once means up, held over or not: the capture's wait for the
    // release of the Enter that began it keeps its timing.
    if (controller.waitEnterRelease && enter == GameKey::Up) controller.waitEnterRelease = false;
    // The edge alone: waiting for a release does not enter into it.
    const bool enterDown = enter == GameKey::Down;
    const bool enterPressed = enterDown && !controller.enterWasDown;
    controller.enterWasDown = enterDown;
    return enterPressed;
}

}  // namespace dk
