// Any bytes as a key token: reading must not fault, a failure must leave the
// code alone, and whatever reads back must survive writing and reading again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "keys/binding_tokens.h"

namespace {

// The game keeps only the low byte: 222 and -34 are one key.
bool SameKey(dk::KeyCode a, dk::KeyCode b) {
    return a == b || static_cast<uint8_t>(a) == static_cast<uint8_t>(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string token(reinterpret_cast<const char*>(data), size);
    constexpr dk::KeyCode kUntouched = 0x5EED;
    dk::KeyCode code = kUntouched;
    if (!dk::ParseKeyToken(token, code)) {
        if (code != kUntouched) std::abort();
        return 0;
    }
    const std::string written = dk::FormatKeyToken(code);
    dk::KeyCode again = kUntouched;
    if (!dk::ParseKeyToken(written, again) || !SameKey(code, again)) std::abort();
    return 0;
}
