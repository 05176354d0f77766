#include "core/controller_tick.h"

#include "core/controller_state.h"
#include "core/enter_step.h"
#include "core/enter_tracking.h"
#include "core/host_page_names.h"
#include "core/installation.h"
#include "core/key_capture.h"
#include "core/page_change.h"
#include "core/page_entry.h"
#include "core/page_query.h"
#include "core/periodic_reapply.h"
#include "core/start_log.h"
#include "features/torch_toggle.h"
#include "frontend/custom_pages.h"
#include "keys/game_keyboard.h"
#include "platform/platform.h"

namespace dk {

namespace {

bool ReadCapturing() {
    Platform().enterLock();
    const bool capturing = controller.capturing;
    Platform().leaveLock();
    return capturing;
}

ActivePage ModeOf(bool onMovement, bool onAction) {
    if (onMovement) return kMovementPageShown;
    return onAction ? kActionPageShown : kNoCustomPage;
}

}  // namespace

TickEnd ControllerTick() {
    TellLateInitializeCall();
    CompleteFrontendLinks();
    TickFrame frame{};
    frame.now = Platform().tickCount();
    // Before any key is read: keys typed into other windows are not the game's.
    FollowGameFocus();
    // Both pages are asked on every tick.
    frame.onMovement = IsPageShown(kMovementPageText);
    frame.onAction = IsPageShown(kActionPageText);
    frame.mode = ModeOf(frame.onMovement, frame.onAction);
    frame.capturingNow = ReadCapturing();
    if (frame.mode == kNoCustomPage && !frame.capturingNow) TorchStep();
    frame.enterPressed = TrackEnter();
    HandlePageChange(frame.mode, frame.now);
    // While a key is awaited, the table is left to the capture.
    if (!frame.capturingNow) PeriodicReapply(frame.now);
    CatchUpWithHandEdits();
    RunPageEntry(frame.onMovement, controller.movementPageEntered, movementItems);
    RunPageEntry(frame.onAction, controller.actionPageEntered, actionItems);
    if (frame.mode == kNoCustomPage) return SleepAfterTick(TickEnd::NoCustomPage);
    return SleepAfterTick(frame.capturingNow ? CaptureStep(frame) : EnterStep(frame));
}

}  // namespace dk
