#pragma once
// The two custom pages as they must be built, written down independently of
// the plug-in's own layout tables.

namespace standin {

// Every item on both pages, as the game received it: kind, text (so also its
// length), name, position, scale, the colour in force at its creation, and
// whether it takes Enter. Run it while the action table still holds what it
// held when the pages were built.
bool CheckPagesAsBuilt();

}  // namespace standin
