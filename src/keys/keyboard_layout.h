#pragma once
// The keyboard layout in force: the one the player types into the game with.
// A capture binds the place of the key pressed, the torch key is polled at its
// place, and the game shows the names printed on the player's keys. Each
// layout is read from Windows once, the first time it is in force, and kept
// for the life of the process.
#include <cstdint>

#include "keys/key_code.h"
#include "platform/platform.h"

namespace dk {

// Asks Windows for the layout of `gameThread` (the thread of the game's window
// in front, 0 when the game is not in front) and, if it differs from the one
// in force, puts it in force and shows its names. While the game is not in
// front the last layout seen holds; before any was seen, the asking thread's own.
void LookForLayoutChange(uint32_t gameThread);

// The code a virtual key found down binds: the place the layout gives a
// character key, else the fixed table's code (0 for a key without one).
KeyCode CapturedKeyCode(int virtualKey);

// The virtual key to poll for a code: at a character place the key the layout
// puts there, else the fixed table's. On failure `virtualKey` is untouched.
bool PolledVirtualKey(KeyCode code, int& virtualKey);

// The layout whose names are shown; 0 while none is (the fixed names).
KeyboardLayout LayoutInForce();

// Back to no layout known to be in force, fixed names shown. Layouts already
// read are kept, as names handed out must stay valid. For tests.
void ResetKeyboardLayout();

}  // namespace dk
