#include "keys/binding_tokens.h"

#include "keys/key_display_name.h"
#include "keys/key_name_map.h"
#include "keys/number_token.h"
#include "keys/special_tokens.h"

namespace dk {
namespace {

bool ParseKeyName(const std::string& text, KeyCode& code) {
    const std::string name = ResolveAlias(NormalizeKeyName(text));
    if (FindSpecialToken(name, code)) return true;
    const auto& names = KeyNameMap();
    const auto found = names.find(name);
    if (found == names.end()) return false;
    code = found->second;
    return true;
}

}  // namespace

// A name where the code has one, else its plain decimal number.
std::string FormatKeyToken(KeyCode code) {
    if (const char* special = SpecialTokenFor(code)) return special;
    if (!HasDisplayName(code)) return std::to_string(code);
    return NormalizeKeyName(KeyDisplayName(code));
}

// Numbers first, so a lone digit is a scan code; a token that fails as a number
// may still be a name.
bool ParseKeyToken(const std::string& token, KeyCode& code) {
    const std::string text = StripComment(token);
    if (text.empty()) return false;
    if (ParseInt32Base0(text, code)) return true;
    return ParseKeyName(text, code);
}

}  // namespace dk
