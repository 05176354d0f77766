#include "layout_picture.h"

#include "key_drawing.h"
#include "key_places.h"
#include "picture_notes.h"
#include "svg_markup.h"

namespace dk::check {

namespace {

constexpr int kMargin = 24;
constexpr int kDrawingTop = 84;
constexpr int kWidth = 2 * kMargin + kPlacesWidth * kPixelsPerQuarter;
constexpr int kDrawingBottom = kDrawingTop + kPlacesHeight * kPixelsPerQuarter;
constexpr int kNoteLineHeight = 18;

// Movement blue and action orange stay apart for the common colour blindnesses.
constexpr const char* kStyle =
    "text { font-family: sans-serif; }\n"
    ".page { fill: #ffffff; }\n"
    ".title { font-size: 20px; font-weight: bold; fill: #1b262c; }\n"
    ".subtitle, .note { font-size: 13px; fill: #37474f; }\n"
    ".heading { font-size: 13px; font-weight: bold; fill: #1b262c; }\n"
    ".cap { fill: #eef1f3; stroke: #b0bac0; stroke-width: 1; }\n"
    ".bound .cap { fill: #ffffff; stroke: #37474f; stroke-width: 1.5; }\n"
    ".shared .cap { stroke: #8e24aa; stroke-width: 3; }\n"
    ".legend { font-size: 10px; fill: #7f8c93; }\n"
    ".bound .legend { fill: #263238; }\n"
    ".act { font-weight: bold; }\n"
    ".move { fill: #1565c0; }\n"
    ".action { fill: #d35400; }\n"
    ".default { font-style: italic; }\n"
    ".badge { fill: #8e24aa; }\n"
    ".count { font-size: 11px; font-weight: bold; fill: #ffffff; }\n"
    ".mouse { fill: #dde3e7; stroke: #90a4ae; stroke-width: 1.5; }\n"
    ".wheel { fill: #90a4ae; }\n";

int SetByFile(const DrawnLayout& layout) {
    int count = 0;
    for (const DrawnAction& action : layout.actions) count += action.fromDefault ? 0 : 1;
    return count;
}

std::string Heading(const DrawnLayout& layout) {
    if (layout.sourceName.empty()) return "DuskvaleKeys: the default layout";
    return "DuskvaleKeys: the layout of " + layout.sourceName;
}

std::string Subheading(const DrawnLayout& layout) {
    if (layout.sourceName.empty()) {
        return "What the plug-in binds before any change. Draw your own: dkcheck --svg layout.svg DuskvaleKeys.ini";
    }
    const int set = SetByFile(layout);
    const int total = static_cast<int>(layout.actions.size());
    if (set == total) return "Every action as the file sets it.";
    return std::to_string(set) + " of " + std::to_string(total) +
           " actions set by the file; the other " + std::to_string(total - set) +
           ", marked *, as in the plug-in's default layout.";
}

struct Drawing {
    std::string markup;
    std::vector<uint8_t> crowdedBytes;
};

Drawing KeyboardAndMouse(const DrawnLayout& layout) {
    const int originX = kMargin;
    Drawing drawing;
    drawing.markup = svg::Rect(originX + kMouseBody.x * kPixelsPerQuarter, kDrawingTop + kMouseBody.y * kPixelsPerQuarter,
                               kMouseBody.w * kPixelsPerQuarter, kMouseBody.h * kPixelsPerQuarter, 60, "mouse");
    const bool markDefaults = !layout.sourceName.empty();
    for (const KeyPlace& place : KeyPlaces()) {
        const uint8_t byte = KeptByte(place.code);
        const std::vector<DrawnAction> actions = place.code == NONE ? std::vector<DrawnAction>{} : ActionsOnByte(layout, byte);
        const KeyDrawing key = DrawPlace(place, actions, markDefaults, originX, kDrawingTop);
        drawing.markup += key.markup;
        if (key.crowded) drawing.crowdedBytes.push_back(byte);
    }
    return drawing;
}

// One row: what the colours and marks mean.
std::string Legend(const DrawnLayout& layout, int top) {
    const int baseline = top + 14;
    std::string markup = svg::GroupOpen("legend", "");
    int x = kMargin;
    markup += svg::Text(x, baseline, "act move", "Movement page", 13);
    x += 130;
    markup += svg::Text(x, baseline, "act action", "Action page", 13);
    x += 120;
    markup += svg::Circle(x + 8, baseline - 4, 8, "badge") +
              svg::Text(x + 8, baseline, "count", "2", 0, svg::Anchor::Middle);
    markup += svg::Text(x + 22, baseline, "note", "a key that serves several actions (purple outline)");
    x += 360;
    markup += svg::Rect(x, top, 28, 18, 3, "cap") + svg::Text(x + 36, baseline, "note", "no action");
    x += 120;
    if (!layout.sourceName.empty()) {
        markup += svg::Text(x, baseline, "act move default", "Forward*", 13);
        markup += svg::Text(x + 70, baseline, "note", "not set by the file: the plug-in's default");
    }
    return markup + svg::GroupClose();
}

std::string Notes(const std::vector<NoteSection>& sections, int& y) {
    std::string markup;
    for (const NoteSection& section : sections) {
        if (section.heading.empty()) continue;
        markup += svg::GroupOpen(section.id, "");
        y += kNoteLineHeight;
        markup += svg::Text(kMargin, y, "heading", section.heading);
        for (const std::string& line : section.lines) {
            y += kNoteLineHeight;
            const bool continued = line.starts_with(kContinuedLine);
            const std::string_view text = std::string_view(line).substr(continued ? kContinuedLine.size() : 0);
            markup += svg::Text(kMargin + (continued ? 36 : 12), y, "note", text);
        }
        markup += svg::GroupClose();
        y += kNoteLineHeight / 2;
    }
    return markup;
}

}  // namespace

std::string LayoutPicture(const DrawnLayout& layout) {
    const Drawing drawing = KeyboardAndMouse(layout);
    std::string body = svg::Text(kMargin, 40, "title", Heading(layout)) +
                       svg::Text(kMargin, 64, "subtitle", Subheading(layout)) + drawing.markup +
                       Legend(layout, kDrawingBottom + 20);
    int y = kDrawingBottom + 20 + 24;
    body += Notes({UnboundNote(layout), UnplacedNote(layout), CrowdedNote(layout, drawing.crowdedBytes),
                   KeyLabelsNote()}, y);
    const int height = y + kMargin;
    return svg::Open(kWidth, height, Heading(layout), kStyle) + svg::Rect(0, 0, kWidth, height, 0, "page") + body +
           svg::Close();
}

}  // namespace dk::check
