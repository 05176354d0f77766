#include "core/key_capture.h"

#include "bindings/binding_file.h"
#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/controller_timing.h"
#include "core/item_index.h"
#include "keys/virtual_keys.h"
#include "platform/platform.h"

namespace dk {

namespace {

constexpr int kHighestScannedKey = 254;

// Takes the pending item and ends the capture, under the lock.
MenuItem* TakePendingItem() {
    Platform().enterLock();
    MenuItem* item = controller.pendingItem;
    controller.capturing = false;
    controller.pendingItem = nullptr;
    Platform().leaveLock();
    return item;
}

void BindCapturedKey(MenuItem* item, int virtualKey) {
    // Whatever code comes back is stored, 0 included: the key is not scanned again.
    const KeyCode code = VirtualKeyToKeyCode(virtualKey);
    Host().setItemValue(item, code);
    ActionIndex index = 0;
    if (!ReadItemIndex(item, index)) return;
    if (SetBinding(index, code)) SaveMenuBinding(index);
}

}  // namespace

int ScanForKeyDown() {
    for (int virtualKey = kHighestScannedKey; virtualKey >= 0; --virtualKey) {
        if (Platform().isKeyDown(virtualKey)) return virtualKey;
    }
    return -1;
}

TickEnd CaptureStep(const TickFrame& frame) {
    if (controller.waitEnterRelease) return TickEnd::CaptureAwaitingRelease;
    if (!MoreThanPassed(frame.now, controller.lastActionTick, kCaptureDelayMs)) {
        return TickEnd::CaptureTooSoon;
    }
    const int virtualKey = ScanForKeyDown();
    if (virtualKey < 0) return TickEnd::CaptureNoKey;
    controller.lastActionTick = frame.now;
    MenuItem* item = TakePendingItem();
    if (item != nullptr) BindCapturedKey(item, virtualKey);
    return TickEnd::CaptureTookKey;
}

}  // namespace dk
