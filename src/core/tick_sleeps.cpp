#include "core/tick_sleeps.h"

#include "platform/platform.h"

namespace dk {

TickEnd SleepAfterTick(TickEnd end) {
    for (const TickSleep& row : kTickSleeps) {
        if (row.end != end) continue;
        Platform().sleep(row.firstMs);
        if (row.thenMs != 0) Platform().sleep(row.thenMs);
        break;
    }
    return end;
}

}  // namespace dk
