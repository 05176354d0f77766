#pragma once

namespace dk {

// The reset item: the whole default layout goes into the game's table and the
// overrides, the shown page's items show it at once, and the file is saved.
// The other page's items catch up at its next entry.
void ResetPageToDefaults(bool onMovement);

}  // namespace dk
