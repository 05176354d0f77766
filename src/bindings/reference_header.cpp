#include "bindings/reference_header.h"

#include <cstdio>

#include "bindings/action_catalogue.h"
#include "bindings/binding_file_text.h"
#include "keys/binding_tokens.h"
#include "keys/key_display_name.h"
#include "keys/key_name_table.h"

namespace dk {

namespace {

struct IndexLabel {
    ActionIndex index;
    const char* label;  // for the reader of the file; not the action's name
};

// In the order the custom pages show them.
constexpr IndexLabel kMovementLabels[] = {
    {17, "MOVE FORWARD"}, {18, "MOVE BACKWARDS"}, {19, "MOVE LEFT (strafe)"},
    {20, "MOVE RIGHT (strafe)"}, {21, "PEEK LEFT"}, {22, "PEEK RIGHT"},
    {2, "LOOKBACK"}, {12, "GRAPPLE"}, {29, "RUN"},
    {45, "CRAWL"}, {46, "CROUCH"}, {28, "SNEAK"},
    {1, "WALLSQUASH"}, {11, "CLIMB"},
};

constexpr IndexLabel kActionLabels[] = {
    {7, "FIRE / hard punch"}, {3, "RELOAD"}, {9, "PUNCH / attack"},
    {53, "EXECUTE"}, {0, "USE"}, {39, "INVENTORY SLOT 1"},
    {40, "INVENTORY SLOT 2"}, {41, "INVENTORY SLOT 3"}, {42, "INVENTORY SLOT 4"},
    {24, "MENU"}, {4, "PICKUP"}, {5, "DROP"},
    {14, "BLOCK"}, {25, "ZOOM IN"}, {26, "ZOOM OUT"},
    {31, "ZOOM AIM"}, {32, "LOCK ON / TARGET"}, {38, "LOOKAROUND (FP)"},
    {48, "TOGGLE TORCH (custom)"},
};

constexpr const char* kIndexTitle[] = {
    kSectionRule.data(),
    "# Action indices (INI left side)",
    kSectionRule.data(),
    "# Movement page",
};

constexpr const char* kActionPageTitle[] = {"#", "# Action page"};

constexpr const char* kKeyRule = "# -----------------------------------";

constexpr const char* kKeyTitle[] = {
    "#",
    kKeyRule,
    "# Mappable key/button IDs (right side)",
    kKeyRule,
    "# Special",
    "# NONE = 0",
    "# PRESS_A_KEY = -1",
    "#",
    "# Mouse (negative codes)",
    "# MOUSE_LEFT  = -34",
    "# MOUSE_RIGHT = -32",
    "# MOUSE_X1    = -28  (Mouse Button 4)",
    "# MOUSE_X2    = -29  (Mouse Button 5)",
    "#",
    "# Keyboard (DirectInput-style scan codes; shown as hex -> decimal)",
};

constexpr const char* kHeaderEnd[] = {"#"};

struct KeyNote {
    KeyCode code;
    const char* note;
};

// Where the token alone does not say which key it is.
constexpr KeyNote kKeyNotes[] = {
    {14, "(Backspace)"}, {28, "(Enter)"},     {55, "(numpad *)"}, {56, "(Left Alt)"},
    {58, "(Caps Lock)"}, {74, "(numpad -)"}, {78, "(numpad +)"}, {83, "(numpad .)"},
    {86, "(extra key of ISO keyboards)"},     {181, "(numpad /)"}, {184, "(Right Alt)"},
    {201, "(Page Up)"},  {209, "(Page Down)"}, {221, "(Menu key)"},
};

template <size_t N>
void AppendLines(std::string& out, const char* const (&lines)[N]) {
    for (const char* line : lines) AppendLine(out, line);
}

template <size_t N>
void AppendIndexLabels(std::string& out, const IndexLabel (&labels)[N]) {
    for (const IndexLabel& entry : labels) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "# %-2d = ", static_cast<int>(entry.index));
        AppendLine(out, std::string(prefix) + entry.label);
    }
}

const char* NoteFor(KeyCode code) {
    for (const KeyNote& entry : kKeyNotes) {
        if (entry.code == code) return entry.note;
    }
    return nullptr;
}

void AppendKeyLine(std::string& out, KeyCode code) {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "# 0x%02X->%-4d", static_cast<unsigned>(code), static_cast<int>(code));
    std::string line = prefix + FormatKeyToken(code);
    if (const char* note = NoteFor(code)) line.append(" ").append(note);
    AppendLine(out, line);
}

}  // namespace

void WriteReferenceHeader(std::string& out) {
    AppendLines(out, kIndexTitle);
    AppendIndexLabels(out, kMovementLabels);
    AppendLines(out, kActionPageTitle);
    AppendIndexLabels(out, kActionLabels);
    AppendLines(out, kKeyTitle);
    // Every key with a name of its own, in code order.
    for (KeyCode code = 1; code <= kHighestNamedScanCode; ++code) {
        if (HasDisplayName(code)) AppendKeyLine(out, code);
    }
    AppendLines(out, kHeaderEnd);
}

}  // namespace dk
