#pragma once
// The keyboard as the game's window gets it. Windows reports every key
// pressed, whichever window has the keyboard; the plug-in counts only keys
// typed into the game, and a key already down when the game comes to the
// front (Alt from Alt+Tab) or when a capture begins counts only once it has
// been released.
#include <cstdint>

namespace dk {

// Once per tick, before any key is read: asks Windows which window is in
// front. On the first tick with the game in front (at start-up too), every
// key then down is held over; afterwards held-over keys seen up are let go.
void FollowGameFocus();

// The thread of the game's window in front at the last look; 0 when the game
// was not in front.
uint32_t GameThreadInFront();

enum class GameKey : uint8_t {
    Up,        // up, or the game is not in front
    HeldOver,  // down, but since before the game came to the front or the capture began
    Down,
};

GameKey ReadGameKey(int virtualKey);

// Down for the game: the game is in front, the key is down and not held over.
inline bool IsGameKeyDown(int virtualKey) { return ReadGameKey(virtualKey) == GameKey::Down; }

// A capture begins: every key down now counts only after its release.
void HoldOverKeysDown();

// Back to the state at load. For tests.
void ResetGameKeyboard();

}  // namespace dk
