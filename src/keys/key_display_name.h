#pragma once
#include "keys/key_code.h"

namespace dk {

// The name the game shows for a code; "unsupported" where there is none. Never
// null; a constant string. A negative code other than -1 and the mouse codes is
// the game's signed reading of a byte and shows the name of that byte.
const char* KeyDisplayName(KeyCode code);
// False exactly where KeyDisplayName gives "unsupported".
bool HasDisplayName(KeyCode code);

}  // namespace dk
