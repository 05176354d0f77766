#pragma once
#include <map>
#include <string>

#include "keys/key_code.h"

namespace dk {

// Token name to scan code, for the named keys that have no special token, plus
// "BACKSPACE". Built on first use; exact byte-wise match.
const std::map<std::string, KeyCode>& KeyNameMap();

}  // namespace dk
