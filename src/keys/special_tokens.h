#pragma once
#include <string>

#include "keys/key_code.h"

namespace dk {

// The tokens that come before the key names: the fixed codes, the mouse buttons
// and the digit keys (whose display names are bare digits, which read as numbers).
// Null for a code without one.
const char* SpecialTokenFor(KeyCode code);
// On failure returns false and leaves `code` untouched.
bool FindSpecialToken(const std::string& token, KeyCode& code);

// The token a normalized alias stands for; any other name comes back as it is.
std::string ResolveAlias(std::string name);

}  // namespace dk
