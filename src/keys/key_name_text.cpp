#include "keys/key_name_text.h"

#include "keys/key_display_name.h"

namespace dk {
namespace {

// Game threads call this every frame: one fixed buffer, no allocation, no lock.
// The game reads a name only until its next call.
char16_t wideName[kWideNameCapacity];

}  // namespace

void WidenKeyName(const char* name, char16_t (&out)[kWideNameCapacity]) {
    int length = 0;
    for (; length < kWideNameCapacity - 1 && name[length] != '\0'; ++length) {
        out[length] = static_cast<unsigned char>(name[length]);
    }
    out[length] = u'\0';
}

const char16_t* KeyNameWide(KeyCode code) {
    WidenKeyName(KeyDisplayName(code), wideName);
    return wideName;
}

}  // namespace dk
