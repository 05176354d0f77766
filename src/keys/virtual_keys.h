#pragma once
#include "keys/key_code.h"

namespace dk {

// A capture scans the virtual keys from here down.
inline constexpr int kHighestScannedVirtualKey = 254;

// The code a captured virtual key binds; 0 for a key the table does not know,
// which a capture passes over.
KeyCode VirtualKeyToKeyCode(int virtualKey);
// The virtual key to poll for a code as the game's table gives it back
// (MOUSE_LEFT, not 222); every code a capture can bind has one. On failure
// `virtualKey` is untouched.
bool KeyCodeToVirtualKey(KeyCode code, int& virtualKey);

}  // namespace dk
