#include "frontend/custom_pages.h"

#include <array>
#include <cstring>
#include <string>

#include "bindings/binding_store.h"

namespace dk {

PageHandle* movementPage = nullptr;
PageHandle* actionPage = nullptr;
std::vector<MenuItem*> movementItems;
std::vector<MenuItem*> actionItems;

namespace {

PageHandle movementHandle{nullptr};
PageHandle actionHandle{nullptr};
bool pagesRegistered = false;

TextRef Text(const char* text) { return {text, static_cast<int32_t>(std::strlen(text))}; }

void SetColour(const ItemColour& colour) {
    Host().setItemColour(colour.red, colour.green, colour.blue, colour.alpha);
}

void AddTextItem(FrontendPage* page, const char* text, FloatPair position, FloatPair scale) {
    const TextRef ref = Text(text);
    Host().pageAddItem(page, Host().createTextItem(&ref, &position, &scale));
}

void AddHeadingItems(FrontendPage* page, const CustomPageLayout& layout) {
    SetColour(kHeadingColour);
    for (const TextItemLayout& item : kHeadingItems) {
        AddTextItem(page, item.text ? item.text : layout.title, item.position, item.scale);
    }
}

void AddApplyItem(FrontendPage* page) {
    const TextRef target = Text(kParentPageName);
    const TextRef label = Text(kApplyLabel);
    Host().pageAddItem(page, Host().createLinkItem(&target, &label, &kApplyPosition));
}

void AddResetItem(FrontendPage* page) {
    const TextRef text = Text(kResetText);
    MenuItem* item = Host().createTextItem(&text, &kResetPosition, &kResetScale);
    Host().setItemSelectable(item, 1);
    Host().setItemName(item, Text(kResetButtonName));
    Host().pageAddItem(page, item);
}

FrontendPage* CreatePage(const CustomPageLayout& layout) {
    FrontendPage* page = Host().constructPage(Host().allocate(kFrontendPageBytes));
    Host().setPageName(page, Text(layout.pageName));
    Host().setParentName(page, Text(kParentPageName));
    return page;
}

// The handle goes public before the first item, so AddKeyBindItem knows the page's list.
void BuildPage(PageHandle*& published, PageHandle& handle, std::vector<MenuItem*>& items,
               const CustomPageLayout& layout) {
    handle.page = CreatePage(layout);
    published = &handle;
    items.clear();
    Host().clearPageFlags(handle.page);
    AddHeadingItems(handle.page, layout);
    SetColour(kItemColour);
    for (const KeyBindItemLayout& item : layout.keyBindItems) {
        AddKeyBindItem(&handle, item.label, item.x, item.y, item.action, ActionIndexText(item.action));
    }
    AddApplyItem(handle.page);
    AddResetItem(handle.page);
    Host().pageComplete(handle.page);
}

std::vector<MenuItem*>* ListOf(const PageHandle* handle) {
    if (handle != nullptr && handle == movementPage) return &movementItems;
    if (handle != nullptr && handle == actionPage) return &actionItems;
    return nullptr;
}

}  // namespace

void BuildCustomPages() {
    BuildPage(movementPage, movementHandle, movementItems, kMovementPageLayout);
    BuildPage(actionPage, actionHandle, actionItems, kActionPageLayout);
    RegisterCustomPages();
}

bool RegisterCustomPages() {
    if (pagesRegistered || movementPage == nullptr || actionPage == nullptr) return pagesRegistered;
    FrontendManager* manager = Host().getFrontendManager();
    if (manager == nullptr) return false;
    Host().registerPage(manager, movementPage->page);
    Host().registerPage(manager, actionPage->page);
    pagesRegistered = true;
    return true;
}

void AddKeyBindItem(PageHandle* handle, const char* label, float x, float y, ActionIndex action,
                    const char* name) {
    const KeyCode binding = ReadHostBinding(action);
    // A mouse binding cannot be changed from the page; every key binding can.
    const bool capturable = !IsMouseCode(binding);
    if (!capturable) SetColour(kUncapturableColour);
    const TextRef labelRef = Text(label);
    const FloatPair position{x, y};
    MenuItem* item = Host().createKeyBindItem(&labelRef, &position, &kKeyBindScale);
    Host().setItemValue(item, binding);
    Host().setItemName(item, Text(name));
    if (capturable) Host().setItemSelectable(item, 1);
    Host().pageAddItem(handle->page, item);
    if (std::vector<MenuItem*>* list = ListOf(handle)) list->push_back(item);
    if (!capturable) SetColour(kItemColour);
}

const char* ActionIndexText(ActionIndex action) {
    static const std::array<std::string, kMaxActionIndex + 1> texts = [] {
        std::array<std::string, kMaxActionIndex + 1> result;
        for (ActionIndex index = 0; index <= kMaxActionIndex; ++index) result[index] = std::to_string(index);
        return result;
    }();
    return IsActionInRange(action) ? texts[action].c_str() : "";
}

void ResetCustomPages() {
    movementPage = nullptr;
    actionPage = nullptr;
    pagesRegistered = false;
    movementItems.clear();
    actionItems.clear();
}

}  // namespace dk
