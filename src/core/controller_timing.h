#pragma once
#include <cstdint>

namespace dk {

// After a custom page appears, Enter is not taken before this many ms...
inline constexpr uint32_t kEnterAllowedDelayMs = 250;
// ...nor until more than this many ms since the last action.
inline constexpr uint32_t kEnterPressGapMs = 300;
// A capture scans the keys only more than this many ms after the press.
inline constexpr uint32_t kCaptureDelayMs = 200;
// The overrides are forced back into the game's table this often.
inline constexpr uint32_t kReapplyIntervalMs = 1000;

}  // namespace dk
