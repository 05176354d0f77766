#include "core/worker.h"

#include "core/controller_state.h"
#include "core/controller_tick.h"
#include "core/installation.h"
#include "core/startup.h"
#include "host/host_interface.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"

namespace dk {

void RunWorker() {
    // Another build's code and tables lie elsewhere: touching them would
    // corrupt the game, so the plug-in stays out of it entirely.
    if (!Host().isKnownGameBuild()) return;
    RunStartup();
    while (!WaitStep()) {
    }
    ControllerLoop();
}

void ControllerLoop() {
    for (;;) ControllerTick();
}

void ResetWorkerState() {
    ResetInstallation();
    ResetControllerState();
    ResetGameKeyboard();
    ResetKeyboardLayout();
}

}  // namespace dk
