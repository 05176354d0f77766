#pragma once
#include <cstdint>

namespace dk {

// Forces the recorded overrides back into the game's table once more than
// the re-apply interval has passed since the last time, after taking in a
// hand edit of the binding file that has stood still since the last time;
// then tries again a save that did not reach the disk, when one is due.
void PeriodicReapply(uint32_t now);

}  // namespace dk
