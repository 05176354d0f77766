#include "core/page_entry.h"

#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/item_index.h"
#include "keys/game_keyboard.h"
#include "keys/keyboard_layout.h"

namespace dk {

void RunPageEntry(bool shown, bool& entered, const std::vector<MenuItem*>& items) {
    if (!shown) {
        entered = false;
        return;
    }
    if (entered) return;
    LookForLayoutChange(GameThreadInFront());
    ApplyOverrides();
    for (MenuItem* item : items) {
        ActionIndex index = 0;
        if (item == nullptr || !ReadItemIndex(item, index)) continue;
        Host().setItemValue(item, ReadHostBinding(index));
    }
    entered = true;
}

void CatchUpWithHandEdits() {
    if (controller.handEditsShown == HandEditReads()) return;
    controller.handEditsShown = HandEditReads();
    controller.movementPageEntered = false;
    controller.actionPageEntered = false;
}

}  // namespace dk
