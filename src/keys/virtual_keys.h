#pragma once
#include "keys/key_code.h"

namespace dk {

// The code a captured virtual key binds; 0 for a key the table does not know.
KeyCode VirtualKeyToKeyCode(int virtualKey);
// The virtual key to poll for a bound code; on failure `virtualKey` is untouched.
bool KeyCodeToVirtualKey(KeyCode code, int& virtualKey);

}  // namespace dk
