#include "core/periodic_reapply.h"

#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/controller_timing.h"

namespace dk {

void PeriodicReapply(uint32_t now) {
    if (!MoreThanPassed(now, controller.lastReapplyTick, kReapplyIntervalMs)) return;
    controller.lastReapplyTick = now;
    ApplyOverrides();
}

}  // namespace dk
