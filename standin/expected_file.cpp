#include "expected_file.h"

#include <cstdio>

#include "checks.h"
#include "game_bindings.h"

namespace standin {
namespace {

// Key names by scan code, 1..102 (empty: none); digits are the KEY_ tokens.
const char* const kKeyNames[103] = {
    "", "ESCAPE", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "MINUS", "EQUALS", "BACK", "TAB",
    "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "LBRACKET", "RBRACKET", "RETURN", "LCONTROL",
    "A", "S", "D", "F", "G", "H", "J", "K", "L", "SEMICOLON", "APOSTROPHE", "GRAVE", "LSHIFT",
    "BACKSLASH", "Z", "X", "C", "V", "B", "N", "M", "COMMA", "PERIOD", "SLASH", "RSHIFT", "MULTIPLY",
    "LMENU", "SPACE", "CAPITAL", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10",
    "NUMLOCK", "SCROLL", "NUMPAD7", "NUMPAD8", "NUMPAD9", "SUBTRACT", "NUMPAD4", "NUMPAD5", "NUMPAD6",
    "ADD", "NUMPAD1", "NUMPAD2", "NUMPAD3", "NUMPAD0", "DECIMAL", "", "", "OEM_102", "F11", "F12", "", "", "",
    "", "", "", "", "", "", "", "", "F13", "F14", "F15"};

struct ActionFacts {
    int action;
    const char* name;
    int8_t pluginDefault;
};
const ActionFacts kActions[] = {
    {0, "USE", 57}, {1, "WALLSQUASH", 46}, {2, "LOOKBACK", 45}, {3, "RELOAD", 19}, {4, "PICKUP", 33},
    {5, "DROP", 33}, {7, "FIRE_HARD_PUNCH", 48}, {9, "PUNCH_ATTACK", -34}, {11, "CLIMB", 57},
    {12, "GRAPPLE", 0}, {14, "BLOCK", 15}, {17, "MOVE_FORWARD", 17}, {18, "MOVE_BACKWARDS", 31},
    {19, "MOVE_LEFT_STRAFE", 30}, {20, "MOVE_RIGHT_STRAFE", 32}, {21, "PEEK_LEFT", 16},
    {22, "PEEK_RIGHT", 18}, {24, "MENU", 1}, {25, "ZOOM_IN", -32}, {26, "ZOOM_OUT", -34}, {28, "SNEAK", 45},
    {29, "RUN", 42}, {31, "ZOOM_AIM", -32}, {32, "LOCK_ON_TARGET", -32}, {38, "LOOKAROUND_FP", 20},
    {39, "INVENTORY_SLOT_1", 2}, {40, "INVENTORY_SLOT_2", 3}, {41, "INVENTORY_SLOT_3", 4},
    {42, "INVENTORY_SLOT_4", 5}, {45, "CRAWL", 57}, {46, "CROUCH", 47}, {48, "TOGGLE_TORCH", 0},
    {53, "EXECUTE", -34}};

const ActionFacts* Facts(int action) {
    for (const ActionFacts& f : kActions)
        if (f.action == action) return &f;
    return nullptr;
}

bool IsDigitKey(int32_t code) { return code >= 2 && code <= 11; }

bool IsMouseCode(int32_t code) { return code == -34 || code == -32 || code == -28 || code == -29; }

}  // namespace

std::string ExpectedDisplayName(int32_t code) {
    switch (code) {
        case 0: return "*No Keybind Set*";
        case -1: return "PRESS A KEY";
        case -34: case 222: return "MOUSE LEFT";
        case -32: case 224: return "MOUSE RIGHT";
        case -28: return "MOUSE X1";
        case -29: return "MOUSE X2";
        case 156: return "NUMPADENTER";
        case 157: return "RCONTROL";
        case 181: return "DIVIDE";
        case 184: return "RMENU";
        case 197: return "PAUSE";
        case 199: return "HOME";
        case 200: return "UP";
        case 201: return "PRIOR";
        case 203: return "LEFT";
        case 205: return "RIGHT";
        case 207: return "END";
        case 208: return "DOWN";
        case 209: return "NEXT";
        case 210: return "INSERT";
        case 211: return "DELETE";
        case 221: return "APPS";
    }
    if (code >= 1 && code <= 102 && kKeyNames[code][0]) return kKeyNames[code];
    // The game's signed reading of a slot names the key of that byte.
    if (code >= -128 && code <= -2) return ExpectedDisplayName(code + 256);
    return "unsupported";
}

int32_t ExpectedReadBack(uint8_t hostByte) {
    int32_t asSigned = static_cast<int8_t>(hostByte);
    return IsMouseCode(asSigned) ? asSigned : hostByte;
}

std::string ExpectedToken(uint8_t hostByte) {
    int32_t code = ExpectedReadBack(hostByte);
    if (code == 0) return "NONE";
    if (code == -1) return "PRESS_A_KEY";
    if (IsDigitKey(code)) return "KEY_" + std::string(kKeyNames[code]);
    std::string name = ExpectedDisplayName(code);
    if (name == "unsupported") return std::to_string(code);
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
}

std::string ExpectedBindingLine(int action, uint8_t hostByte) {
    return std::to_string(action) + "=" + ExpectedToken(hostByte) + " ; " + Facts(action)->name;
}

int8_t PluginDefaultKey(int action) { return Facts(action)->pluginDefault; }

std::vector<std::string> SplitCrLf(const std::string& bytes, bool* allCrLf) {
    std::vector<std::string> lines;
    *allCrLf = true;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            *allCrLf = false;
            lines.push_back(bytes.substr(start));
            break;
        }
        if (lf == start || bytes[lf - 1] != '\r') *allCrLf = false;
        size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        std::string line = bytes.substr(start, end - start);
        if (line.find('\r') != std::string::npos) *allCrLf = false;
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

bool CheckWrittenFile(const std::string& bytes, const std::string& when) {
    bool crlf = false;
    std::vector<std::string> lines = SplitCrLf(bytes, &crlf);
    bool ok = Check(lines.size() == 201, when + ": the binding file has 201 lines (has " +
                                             std::to_string(lines.size()) + ")");
    ok &= Check(crlf, when + ": every line of the binding file ends with CR LF");
    if (lines.size() != 201) return false;
    ok &= Check(lines[0] == "# Duskvale extra keybinds (custom pages)" && lines[4].empty() &&
                    lines[59] == "# 0x01->1   ESCAPE" && lines[142] == "# 0x56->86  OEM_102 (extra key of ISO keyboards)" &&
                    lines[149] == "# 0x9D->157 RCONTROL" && lines[154] == "# 0xC8->200 UP" &&
                    lines[155] == "# 0xC9->201 PRIOR (Page Up)" && lines[163] == "# 0xDD->221 APPS (Menu key)" &&
                    lines[166] == "# Current saved bindings",
                when + ": the file's header is in place");
    std::string mismatch;
    for (int i = 0; i < 33 && mismatch.empty(); ++i) {
        int action = kMappableActions[i];
        std::string want = ExpectedBindingLine(action, BindingSlotByte(action));
        if (lines[168 + i] != want) mismatch = "line " + std::to_string(169 + i) + " is \"" + lines[168 + i] +
                                               "\", expected \"" + want + "\"";
    }
    ok &= Check(mismatch.empty(), when + ": the binding lines mirror the game's table" +
                                      (mismatch.empty() ? "" : " (" + mismatch + ")"));
    return ok;
}

bool FileHasLine(const std::string& bytes, const std::string& line) {
    bool crlf = false;
    for (const std::string& l : SplitCrLf(bytes, &crlf))
        if (l == line) return true;
    return false;
}

}  // namespace standin
