#include "core/controls_links.h"

#include <cstring>

#include "core/host_page_names.h"

namespace dk {

FrontendPage* FindControlsPage() {
    FrontendManager* manager = Host().getFrontendManager();
    const int32_t count = Host().pageCount(manager);
    for (int32_t index = 0; index < count; ++index) {
        FrontendPage* page = Host().page(manager, index);
        const TextRef name = Host().pageName(page);
        if (name.text != nullptr && std::strcmp(name.text, kControlsPageName) == 0) return page;
    }
    return nullptr;
}

void RedirectControlsLinks() {
    FrontendPage* controls = FindControlsPage();
    if (controls == nullptr) return;
    // Both are looked up before either is renamed.
    MenuItem* movementLink = Host().pageFindItem(controls, kMovementLinkName);
    MenuItem* actionLink = Host().pageFindItem(controls, kActionLinkName);
    if (movementLink != nullptr) Host().setItemName(movementLink, kMovementPageText);
    if (actionLink != nullptr) Host().setItemName(actionLink, kActionPageText);
}

}  // namespace dk
