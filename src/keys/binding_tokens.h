#pragma once
#include <string>

#include "keys/key_code.h"

namespace dk {

std::string TrimSpaces(std::string text);
// Cuts before the first ';' or '#', then trims.
std::string StripComment(std::string text);
std::string NormalizeKeyName(std::string text);

std::string FormatKeyToken(KeyCode code);
// On failure returns false and leaves `code` untouched.
bool ParseKeyToken(const std::string& token, KeyCode& code);

}  // namespace dk
