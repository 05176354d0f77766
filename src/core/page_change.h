#pragma once
#include <cstdint>

#include "core/controller_state.h"

namespace dk {

// Records the tick's page mode. On arrival at a custom page it makes any
// Enter still held, including the one that opened the page, count for nothing.
void HandlePageChange(ActivePage mode, uint32_t now);

}  // namespace dk
