#include "core/key_capture.h"

#include "bindings/binding_file.h"
#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/controller_timing.h"
#include "core/item_index.h"
#include "keys/binding_tokens.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"
#include "keys/virtual_keys.h"
#include "log/plugin_log.h"
#include "platform/platform.h"

namespace dk {

namespace {

// Takes the pending item and ends the capture, under the lock.
MenuItem* TakePendingItem() {
    Platform().enterLock();
    MenuItem* item = controller.pendingItem;
    controller.capturing = false;
    controller.pendingItem = nullptr;
    Platform().leaveLock();
    return item;
}

void BindCapturedKey(MenuItem* item, KeyCode code) {
    Host().setItemValue(item, code);
    ActionIndex index = 0;
    if (!ReadItemIndex(item, index)) return;
    if (!SetBinding(index, code)) return;
    LogLine(std::string(ActionName(index)) + " bound to " + FormatKeyToken(code));
    SaveMenuBinding(index);
}

}  // namespace

KeyCode ScanForBindableKey() {
    for (int virtualKey = kHighestScannedVirtualKey; virtualKey > 0; --virtualKey) {
        const KeyCode code = CapturedKeyCode(virtualKey);
        if (code != NONE && IsGameKeyDown(virtualKey)) return code;
    }
    return NONE;
}

TickEnd CaptureStep(const TickFrame& frame) {
    if (controller.waitEnterRelease) return TickEnd::CaptureAwaitingRelease;
    if (!MoreThanPassed(frame.now, controller.lastActionTick, kCaptureDelayMs)) {
        return TickEnd::CaptureTooSoon;
    }
    const KeyCode code = ScanForBindableKey();
    if (code == NONE) return TickEnd::CaptureNoKey;
    controller.lastActionTick = frame.now;
    MenuItem* item = TakePendingItem();
    if (item != nullptr) BindCapturedKey(item, code);
    return TickEnd::CaptureTookKey;
}

}  // namespace dk
