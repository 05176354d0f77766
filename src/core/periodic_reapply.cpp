#include "core/periodic_reapply.h"

#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/controller_timing.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"

namespace dk {

void PeriodicReapply(uint32_t now) {
    if (!MoreThanPassed(now, controller.lastReapplyTick, kReapplyIntervalMs)) return;
    controller.lastReapplyTick = now;
    // A hand edit read now goes into the game's table with this very apply.
    CheckBindingFileForEdits();
    ApplyOverrides();
    // A layout switched while the game runs shows its names within a second.
    LookForLayoutChange(GameThreadInFront());
    // After the apply: a save writes the game's table, the edit just read included.
    RetryUnsavedBindings(now);
}

}  // namespace dk
