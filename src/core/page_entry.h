#pragma once
#include <vector>

#include "host/host_interface.h"

namespace dk {

// On the first tick a custom page is shown, re-applies the overrides and
// shows in each of its key-bind items what the game's table really holds.
// A page not shown clears its flag, so the next showing refreshes again.
void RunPageEntry(bool shown, bool& entered, const std::vector<MenuItem*>& items);

// After a hand edit of the binding file was read, the page shown refreshes
// as on entry, so it shows the edit's keys at once.
void CatchUpWithHandEdits();

}  // namespace dk
