#pragma once
#include <cstdint>

#include "host/host_interface.h"

namespace dk {

// Which custom page the frontend shows.
enum ActivePage : int32_t {
    kNoCustomPage = 0,
    kMovementPageShown = 1,
    kActionPageShown = 2,
};

struct ControllerState {
    // Guarded by ControllerLock: a key-bind item waits for a key.
    bool capturing;
    MenuItem* pendingItem;

    bool waitEnterRelease;       // Enter must be seen up before it counts again
    bool enterWasDown;
    ActivePage lastMode;
    uint32_t enterAllowedAt;     // Enter presses count from this tick on
    uint32_t lastActionTick;     // page entered, Enter taken, or key captured
    uint32_t lastReapplyTick;
    bool movementPageEntered;    // entry refresh done since the page appeared
    bool actionPageEntered;
    uint32_t handEditsShown;     // hand edits of the file the pages have caught up with
};

extern ControllerState controller;

// Back to the state at load. For tests.
void ResetControllerState();

// More than `ms` milliseconds from `since` to `now`; a wrap of the tick count
// is harmless because the difference is taken unsigned.
constexpr bool MoreThanPassed(uint32_t now, uint32_t since, uint32_t ms) {
    return static_cast<uint32_t>(now - since) > ms;
}

// `now` has reached `at`. Taken as a signed difference rather than a plain
// comparison, so a time set just before the tick count wraps still passes
// after the wrap instead of holding presses back for another 49 days.
constexpr bool NotBefore(uint32_t now, uint32_t at) {
    return static_cast<int32_t>(now - at) >= 0;
}

}  // namespace dk
