#include "keys/key_display_name.h"

#include "keys/key_name_table.h"

namespace dk {

const char* KeyDisplayName(KeyCode code) {
    const int entry = NameEntryFor(code);
    return entry == kUnnamed ? kUnsupportedName : kNamedCodes[entry].name;
}

bool HasDisplayName(KeyCode code) {
    return NameEntryFor(code) != kUnnamed;
}

}  // namespace dk
