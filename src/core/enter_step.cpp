#include "core/enter_step.h"

#include <cstring>

#include "core/controller_state.h"
#include "core/controller_timing.h"
#include "core/host_page_names.h"
#include "core/page_query.h"
#include "core/page_reset.h"
#include "frontend/custom_pages.h"
#include "host/find_selected_item.h"
#include "keys/game_keyboard.h"
#include "keys/key_code.h"
#include "keys/keyboard_layout.h"
#include "platform/platform.h"

namespace dk {

namespace {

bool IsPressTaken(const TickFrame& frame) {
    return !controller.waitEnterRelease && frame.enterPressed &&
           NotBefore(frame.now, controller.enterAllowedAt) &&
           MoreThanPassed(frame.now, controller.lastActionTick, kEnterPressGapMs);
}

// The pages are asked again here rather than trusting the tick's first answer.
MenuItem* SelectedCustomItem() {
    if (movementPage != nullptr && IsPageShown(kMovementPageText)) {
        return FindSelectedItem(movementPage->page);
    }
    if (actionPage != nullptr && IsPageShown(kActionPageText)) {
        return FindSelectedItem(actionPage->page);
    }
    return nullptr;
}

void StartCapture(MenuItem* item) {
    Host().setItemValue(item, PRESS_A_KEY);
    Platform().enterLock();
    controller.pendingItem = item;
    controller.capturing = true;
    Platform().leaveLock();
    // The key that binds must come after this Enter has gone up, and no key
    // already down binds before its release either.
    controller.waitEnterRelease = true;
    HoldOverKeysDown();
    // The key pressed next is translated with the layout the player types with now.
    LookForLayoutChange(GameThreadInFront());
}

bool IsResetItem(MenuItem* item) {
    const TextRef name = Host().itemName(item);
    return name.text != nullptr && std::strcmp(name.text, kResetButtonName) == 0;
}

}  // namespace

TickEnd EnterStep(const TickFrame& frame) {
    if (!IsPressTaken(frame)) return TickEnd::PressNotTaken;
    controller.lastActionTick = frame.now;
    MenuItem* item = SelectedCustomItem();
    if (item == nullptr) return TickEnd::PressTaken;
    if (Host().itemKind(item) == ItemKindKeyBind) {
        StartCapture(item);
    } else if (IsResetItem(item)) {
        ResetPageToDefaults(frame.onMovement);
    }
    // Any other item, such as the link back to "controls", is the game's own.
    return TickEnd::PressTaken;
}

}  // namespace dk
