#include "core/worker.h"

#include "core/controller_state.h"
#include "core/controller_tick.h"
#include "core/installation.h"
#include "core/start_log.h"
#include "core/startup.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"
#include "log/plugin_log.h"

namespace dk {

void RunWorker() {
    BeginPluginLog();
    // Another build's code and tables lie elsewhere: touching them would
    // corrupt the game, so the plug-in stays out of it entirely.
    if (!GameBuildRecognised()) return;
    RunStartup();
    while (!WaitStep()) {
    }
    ControllerLoop();
}

void ControllerLoop() {
    for (;;) ControllerTick();
}

void ResetWorkerState() {
    ClosePluginLog();
    ResetInstallation();
    ResetControllerState();
    ResetGameKeyboard();
    ResetKeyboardLayout();
}

}  // namespace dk
