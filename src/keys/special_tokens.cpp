#include "keys/special_tokens.h"

namespace dk {
namespace {

struct TokenCode {
    const char* token;
    KeyCode code;
};

constexpr TokenCode kSpecialTokens[] = {
    {"NONE", NONE},
    {"PRESS_A_KEY", PRESS_A_KEY},
    {"MOUSE_LEFT", MOUSE_LEFT},
    {"MOUSE_RIGHT", MOUSE_RIGHT},
    {"MOUSE_X1", MOUSE_X1},
    {"MOUSE_X2", MOUSE_X2},
    {"KEY_1", 2}, {"KEY_2", 3}, {"KEY_3", 4}, {"KEY_4", 5}, {"KEY_5", 6},
    {"KEY_6", 7}, {"KEY_7", 8}, {"KEY_8", 9}, {"KEY_9", 10}, {"KEY_0", 11},
};

struct Alias {
    const char* alias;
    const char* target;
};

// Spellings people type by hand.
constexpr Alias kAliases[] = {
    {"NO_KEYBIND_SET", "NONE"},
    {"PRESSAKEY", "PRESS_A_KEY"},
    {"LALT", "LMENU"},
    {"LEFTALT", "LMENU"},
    {"CAPSLOCK", "CAPITAL"},
    {"ENTER", "RETURN"},
    {"PAGEUP", "PRIOR"},
    {"PGUP", "PRIOR"},
    {"PAGEDOWN", "NEXT"},
    {"PGDN", "NEXT"},
    {"RALT", "RMENU"},
    {"UPARROW", "UP"},
    {"DOWNARROW", "DOWN"},
    {"LEFTARROW", "LEFT"},
    {"RIGHTARROW", "RIGHT"},
};

}  // namespace

const char* SpecialTokenFor(KeyCode code) {
    for (const TokenCode& entry : kSpecialTokens) {
        if (entry.code == code) return entry.token;
    }
    return nullptr;
}

bool FindSpecialToken(const std::string& token, KeyCode& code) {
    for (const TokenCode& entry : kSpecialTokens) {
        if (token == entry.token) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

std::string ResolveAlias(std::string name) {
    for (const Alias& entry : kAliases) {
        if (name == entry.alias) return entry.target;
    }
    return name;
}

}  // namespace dk
