#include "picture_notes.h"

#include <algorithm>

#include "action_labels.h"
#include "kept_byte.h"
#include "key_drawing.h"
#include "key_labels.h"
#include "key_places.h"
#include "keys/binding_tokens.h"

namespace dk::check {

namespace {

constexpr size_t kCharactersPerLine = 180;

// "Forward (17 MOVE_FORWARD)"; a file's code that the game cuts to 0 and
// the mark of the default layout where they tell something.
std::string ActionItem(const DrawnLayout& layout, const DrawnAction& action) {
    std::string item = std::string(ActionLabel(action.index)) + " (" + std::to_string(action.index) + " " +
                       ActionName(action.index);
    if (KeptByte(action.code) == 0 && action.code != NONE) item += ", code " + std::to_string(action.code);
    const bool markDefault = !layout.sourceName.empty() && action.fromDefault;
    return item + (markDefault ? ", default)" : ")");
}

// Items joined by commas, broken into lines of a readable length.
std::vector<std::string> Wrapped(std::string head, const std::vector<std::string>& items) {
    std::vector<std::string> lines;
    std::string line = std::move(head);
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string piece = items[i] + (i + 1 < items.size() ? "," : "");
        if (!line.empty() && line.size() + 1 + piece.size() > kCharactersPerLine) {
            lines.push_back(line);
            line = kContinuedLine;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
        line += piece;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> ActionItems(const DrawnLayout& layout, const std::vector<DrawnAction>& actions) {
    std::vector<std::string> items;
    for (const DrawnAction& action : actions) items.push_back(ActionItem(layout, action));
    return items;
}

// "F13 (100)", "-1 (PRESS_A_KEY)" or plain "999": the code as the file may write it.
std::string CodeText(KeyCode code) {
    const std::string number = std::to_string(code);
    const std::string token = FormatKeyToken(code);
    return token == number ? number : token + " (" + number + ")";
}

std::string UnplacedHead(uint8_t byte, const std::vector<DrawnAction>& actions) {
    std::vector<KeyCode> codes;
    for (const DrawnAction& action : actions) {
        if (std::find(codes.begin(), codes.end(), action.code) == codes.end()) codes.push_back(action.code);
    }
    std::sort(codes.begin(), codes.end());
    std::string head;
    bool cut = false;
    for (KeyCode code : codes) {
        head += (head.empty() ? "" : ", ") + CodeText(code);
        cut = cut || code != byte;
    }
    return head + (cut ? " (the game keeps byte " + std::to_string(byte) + ")" : "") + ":";
}

}  // namespace

NoteSection UnboundNote(const DrawnLayout& layout) {
    const std::vector<DrawnAction> actions = ActionsOnByte(layout, 0);
    if (actions.empty()) return {"unbound", "", {}};
    return {"unbound", "On no key:", Wrapped("", ActionItems(layout, actions))};
}

NoteSection UnplacedNote(const DrawnLayout& layout) {
    NoteSection note{"unplaced", "", {}};
    for (uint8_t byte : UnplacedBytes(layout)) {
        const std::vector<DrawnAction> actions = ActionsOnByte(layout, byte);
        for (std::string& line : Wrapped(UnplacedHead(byte, actions), ActionItems(layout, actions))) {
            note.lines.push_back(std::move(line));
        }
    }
    if (!note.lines.empty()) note.heading = "Codes with no place on the drawing:";
    return note;
}

NoteSection CrowdedNote(const DrawnLayout& layout, const std::vector<uint8_t>& crowdedBytes) {
    NoteSection note{"crowded", "", {}};
    for (uint8_t byte : crowdedBytes) {
        const KeyPlace* place = FindPlace(byte);
        if (!place) continue;
        for (std::string& line : Wrapped(PlaceName(*place) + ":", ActionItems(layout, ActionsOnByte(layout, byte)))) {
            note.lines.push_back(std::move(line));
        }
    }
    if (!note.lines.empty()) note.heading = "Keys too full to read at a glance:";
    return note;
}

NoteSection KeyLabelsNote() {
    NoteSection note{"labels", "", {}};
    for (const KeyPlace& place : KeyPlaces()) {
        if (PlayerLabel(place.code).empty()) continue;
        note.heading = "Keys labelled as on your keyboard (" + LayoutName() + "):";
        note.lines = {"The binding file names each key by the label a US keyboard has in its place.",
                      "For US labels, to share with players of any keyboard: dkcheck --layout us --svg OUT.svg FILE"};
        break;
    }
    return note;
}

}  // namespace dk::check
