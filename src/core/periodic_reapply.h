#pragma once
#include <cstdint>

namespace dk {

// Forces the recorded overrides back into the game's table once more than
// the re-apply interval has passed since the last time.
void PeriodicReapply(uint32_t now);

}  // namespace dk
