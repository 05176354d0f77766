#pragma once

namespace dk {

// The worker's one-time preparation, without any waiting: the lock, the
// default layout, the game's key names pointed at ours, and the binding file
// read into the overrides.
void RunStartup();

}  // namespace dk
