#include "core/page_reset.h"

#include "bindings/binding_file.h"
#include "bindings/binding_store.h"
#include "core/item_index.h"
#include "frontend/custom_pages.h"
#include "log/plugin_log.h"

namespace dk {

void ResetPageToDefaults(bool onMovement) {
    PageHandle* page = onMovement ? movementPage : actionPage;
    if (page == nullptr) return;
    const std::vector<MenuItem*>& items = onMovement ? movementItems : actionItems;
    ResetToDefaults();
    for (MenuItem* item : items) {
        ActionIndex index = 0;
        KeyCode code = 0;
        if (item == nullptr || !ReadItemIndex(item, index)) continue;
        if (FindDefaultBinding(index, code)) Host().setItemValue(item, code);
    }
    // The reset of either page puts back the defaults of both.
    LogLine(std::string("reset on the ") + (onMovement ? "movement" : "action") +
            " page: every binding back to its default");
    SaveResetBindings();
}

}  // namespace dk
