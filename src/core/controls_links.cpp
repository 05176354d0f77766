#include "core/controls_links.h"

#include "core/host_page_names.h"

namespace dk {

namespace {

FrontendPage* FindControlsPage(FrontendManager* manager) {
    const int32_t count = Host().pageCount(manager);
    for (int32_t index = 0; index < count; ++index) {
        FrontendPage* page = Host().page(manager, index);
        if (Host().isPageNamed(page, kControlsPageName)) return page;
    }
    return nullptr;
}

}  // namespace

bool RedirectControlsLinks() {
    FrontendManager* manager = Host().getFrontendManager();
    if (manager == nullptr) return false;
    FrontendPage* controls = FindControlsPage(manager);
    if (controls == nullptr) return true;
    // Both are looked up before either is renamed.
    MenuItem* movementLink = Host().pageFindItem(controls, kMovementLinkName);
    MenuItem* actionLink = Host().pageFindItem(controls, kActionLinkName);
    if (movementLink != nullptr) Host().setItemName(movementLink, kMovementPageText);
    if (actionLink != nullptr) Host().setItemName(actionLink, kActionPageText);
    return true;
}

}  // namespace dk
