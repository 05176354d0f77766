#include "keys/key_name_map.h"

#include "keys/key_display_name.h"
#include "keys/key_name_table.h"
#include "keys/special_tokens.h"

namespace dk {
namespace {

constexpr KeyCode kBack = 14;

// The names are the display names themselves, so the two cannot drift apart.
// The digit keys are left out: their display names are bare digits, and their
// tokens are special ones. So are the mouse buttons above the named scan codes.
std::map<std::string, KeyCode> BuildKeyNameMap() {
    std::map<std::string, KeyCode> names;
    for (KeyCode code = 1; code <= kHighestNamedScanCode; ++code) {
        if (HasDisplayName(code) && SpecialTokenFor(code) == nullptr) {
            names.emplace(KeyDisplayName(code), code);
        }
    }
    names.emplace("BACKSPACE", kBack);
    return names;
}

}  // namespace

const std::map<std::string, KeyCode>& KeyNameMap() {
    static const std::map<std::string, KeyCode> names = BuildKeyNameMap();
    return names;
}

}  // namespace dk
