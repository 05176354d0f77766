#pragma once

namespace dk {

// Reads Enter once for the tick, clears the wait for its release when it is
// up, and gives whether it went down since the previous tick. Only Enter
// pressed in the game counts, and not while it is held over.
bool TrackEnter();

}  // namespace dk
