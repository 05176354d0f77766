#pragma once

namespace dk {

// Reads Enter once for the tick, clears the wait for its release when it is
// up, and gives whether it went down since the previous tick.
bool TrackEnter();

}  // namespace dk
