#include "features/boundary_faults.h"

#include <string>

#include "log/plugin_log.h"

namespace dk {

namespace {

constexpr int kKinds = static_cast<int>(BoundaryFault::Count);

constexpr const char* kWhatWasDone[kKinds] = {
    "in the game's inventory call, looking up the item of a slot",
    "in the game's torch call, lighting a torch",
    "in the game's torch call, putting a torch out",
    "reading the player's inventory pointer",
    "reading the inventory's current slot",
    "reading a weapon's attachment pointer",
    "reading a weapon attachment's torch word",
};

bool told[kKinds] = {};

}  // namespace

void TellBoundaryFault(BoundaryFault kind) {
    const int at = static_cast<int>(kind);
    if (at < 0 || at >= kKinds || told[at]) return;
    told[at] = true;
    LogLine(std::string("fault caught ") + kWhatWasDone[at] + "; the torch toggle carries on (told once per start)");
}

void ResetBoundaryFaults() {
    for (bool& kind : told) kind = false;
}

}  // namespace dk
