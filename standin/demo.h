#pragma once
#include "scenario_support.h"

namespace standin {
// Prints, as text, what a player sees: the pages with the key names the
// plug-in supplies, a rebinding, and the binding file it leaves.
int RunDemo(const RunContext& context);
}  // namespace standin
