#pragma once
// The plug-in's two control pages, built once inside the game's frontend.
#include <vector>

#include "bindings/action_catalogue.h"
#include "frontend/custom_page_layout.h"
#include "host/host_interface.h"

namespace dk {

struct PageHandle {
    FrontendPage* page;
};

// Null until BuildCustomPages has run.
extern PageHandle* movementPage;
extern PageHandle* actionPage;
// The key-bind items of each page, in the order they were created.
extern std::vector<MenuItem*> movementItems;
extern std::vector<MenuItem*> actionItems;

// Builds and fills the movement page, then the action page, and registers
// both when the game has a frontend (see RegisterCustomPages).
void BuildCustomPages();

// Registers the built pages with the frontend, once; false while the game has
// no frontend to register them with, or before they are built.
bool RegisterCustomPages();

// One key-bind item for `action`, showing its current binding. `name` is kept
// by the game, so it must live as long as the process.
void AddKeyBindItem(PageHandle* handle, const char* label, float x, float y, ActionIndex action,
                    const char* name);

// The decimal text of an action index, alive for the process; "" outside 0..59.
const char* ActionIndexText(ActionIndex action);

// Forgets both pages and empties the lists, as at load. For tests.
void ResetCustomPages();

}  // namespace dk
