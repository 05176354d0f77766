#pragma once
#include <cstdint>
#include <string>

namespace dk {

// Reads the whole of `text` as a signed 32-bit number in C's base-0 form: an
// optional sign, then "0x"/"0X" and hex digits, "0" and octal digits, or decimal
// digits. False, with `value` untouched, if anything is left over, no digit is
// read, or the number does not fit.
bool ParseInt32Base0(const std::string& text, int32_t& value);

}  // namespace dk
