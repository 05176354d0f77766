#pragma once
#include "keys/key_code.h"

namespace dk {

// The name the game shows for a code; "unsupported" where there is none. Never null.
const char* KeyDisplayName(KeyCode code);
// False exactly where KeyDisplayName gives "unsupported".
bool HasDisplayName(KeyCode code);

}  // namespace dk
