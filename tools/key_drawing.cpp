#include "key_drawing.h"

#include <algorithm>

#include "action_labels.h"
#include "key_labels.h"
#include "svg_markup.h"

namespace dk::check {

namespace {

constexpr int kGap = 2;            // pixels between a key's outline and its neighbour's place
constexpr int kPadding = 5;        // pixels between the outline and the text
constexpr int kLegendBaseline = 13;
constexpr int kLabelsTop = 17;     // below the keycap's own legend
constexpr int kLabelFont = 11;
constexpr int kLineHeight = 13;
constexpr int kMinColumnWidth = 68;
constexpr int kSmallestFont = 5;
// Bold sans-serif letters are at most about 0.62 of the font size wide on average.
constexpr int kCharWidthPercent = 62;

struct Box {
    int x, y, w, h;
};

Box Outline(const KeyPlace& place, int originX, int originY) {
    return {originX + place.x * kPixelsPerQuarter + kGap, originY + place.y * kPixelsPerQuarter + kGap,
            place.w * kPixelsPerQuarter - 2 * kGap, place.h * kPixelsPerQuarter - 2 * kGap};
}

// The tall Return key: its upper row is one quarter wider to the left.
std::string IsoEnterOutline(const Box& box) {
    const int left = box.x;
    const int stepX = box.x + kPixelsPerQuarter;
    const int right = box.x + box.w;
    const int top = box.y;
    const int stepY = box.y + box.h / 2 - kGap;
    const int bottom = box.y + box.h;
    return svg::Polygon({left, top, right, top, right, bottom, stepX, bottom, stepX, stepY, left, stepY}, "cap");
}

// Where the labels go: below the legend, inside the part every row shares.
Box LabelArea(const KeyPlace& place, const Box& outline) {
    const int indent = place.shape == PlaceShape::IsoEnter ? kPixelsPerQuarter : 0;
    return {outline.x + indent + kPadding, outline.y + kLabelsTop, outline.w - indent - 2 * kPadding,
            outline.h - kLabelsTop - kPadding + 2};
}

const char* PageClass(ActionIndex index) {
    const CatalogueEntry* entry = FindCatalogueEntry(index);
    return entry && entry->page == ControlPage::Movement ? "act move" : "act action";
}

std::string LabelText(const DrawnAction& action, bool markDefaults) {
    std::string text = ActionLabel(action.index);
    if (markDefaults && action.fromDefault) text += "*";
    return text;
}

int TextWidth(int font, size_t characters) {
    return static_cast<int>(characters * font * kCharWidthPercent / 100);
}

int FittingFont(int lineFont, int width, size_t characters) {
    const int widest = static_cast<int>(width * 100 / (std::max<size_t>(characters, 1) * kCharWidthPercent));
    return std::max(kSmallestFont, std::min(lineFont, widest));
}

struct Label {
    std::vector<std::string> lines;
    std::string cls;
};

// A label too wide for the key breaks between its words.
std::vector<std::string> WordLines(const std::string& text, int width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.size();
        while (TextWidth(kLabelFont, end - start) > width) {
            const size_t space = text.rfind(' ', end - 1);
            if (space == std::string::npos || space <= start) break;
            end = space;
        }
        lines.push_back(text.substr(start, end - start));
        start = end < text.size() ? end + 1 : end;
    }
    return lines;
}

// `wrapWidth` 0: each label on one line.
std::vector<Label> Labels(const std::vector<DrawnAction>& actions, bool markDefaults, int wrapWidth, int& lineCount) {
    std::vector<Label> labels;
    lineCount = 0;
    for (const DrawnAction& action : actions) {
        std::string cls = PageClass(action.index);
        if (markDefaults && action.fromDefault) cls += " default";
        const std::string text = LabelText(action, markDefaults);
        labels.push_back({wrapWidth == 0 ? std::vector<std::string>{text} : WordLines(text, wrapWidth), cls});
        lineCount += static_cast<int>(labels.back().lines.size());
    }
    return labels;
}

size_t LongestLine(const Label& label) {
    size_t longest = 0;
    for (const std::string& line : label.lines) longest = std::max(longest, line.size());
    return longest;
}

struct LabelPlan {
    std::vector<Label> labels;
    int rows, lineHeight, lineFont, columnWidth;
};

LabelPlan PlanLabels(const Box& area, std::vector<Label> labels, int lineCount) {
    const int rowsThatFit = std::max(1, area.h / kLineHeight);
    const int columns = std::clamp((lineCount + rowsThatFit - 1) / rowsThatFit, 1, std::max(1, area.w / kMinColumnWidth));
    const int rows = (lineCount + columns - 1) / columns;
    const int lineHeight = std::min(kLineHeight, area.h / rows);
    const int lineFont = std::min(kLabelFont, lineHeight * kLabelFont / kLineHeight);
    return {std::move(labels), rows, lineHeight, lineFont, area.w / columns};
}

int FontOf(const LabelPlan& plan, const Label& label) {
    return FittingFont(plan.lineFont, plan.columnWidth, LongestLine(label));
}

bool IsComfortable(const LabelPlan& plan) {
    for (const Label& label : plan.labels) {
        if (FontOf(plan, label) < kSmallestComfortableFont) return false;
    }
    return true;
}

// Labels run down the first column, then the next, a label to a line where
// that reads comfortably; a lone label, or labels too long for that, break
// between their words where one column then holds them all. Columns come
// only where one column is not enough and the key is wide enough, and
// smaller type only where nothing else helps.
LabelPlan ChoosePlan(const Box& area, const std::vector<DrawnAction>& actions, bool markDefaults) {
    const int rowsThatFit = std::max(1, area.h / kLineHeight);
    int count = 0;
    std::vector<Label> oneLineEach = Labels(actions, markDefaults, 0, count);
    LabelPlan plain = PlanLabels(area, std::move(oneLineEach), count);
    if (actions.size() > 1 && IsComfortable(plain)) return plain;
    std::vector<Label> broken = Labels(actions, markDefaults, area.w - svg::kContinuationIndent, count);
    if (count <= rowsThatFit) return PlanLabels(area, std::move(broken), count);
    return plain;
}

KeyDrawing DrawLabels(const Box& area, const std::vector<DrawnAction>& actions, bool markDefaults) {
    if (actions.empty()) return {"", false};
    const LabelPlan plan = ChoosePlan(area, actions, markDefaults);
    KeyDrawing drawing{"", false};
    int row = 0;
    for (const Label& label : plan.labels) {
        const int font = FontOf(plan, label);
        const int x = area.x + (row / plan.rows) * plan.columnWidth;
        const int baseline = area.y + (row % plan.rows) * plan.lineHeight + font;
        drawing.markup += svg::TextLines(x, baseline, plan.lineHeight, label.cls, label.lines, font);
        drawing.crowded = drawing.crowded || font < kSmallestComfortableFont;
        row += static_cast<int>(label.lines.size());
    }
    return drawing;
}

std::string Tooltip(const KeyPlace& place, const std::vector<DrawnAction>& actions) {
    std::string text = PlaceName(place);
    for (size_t i = 0; i < actions.size(); ++i) {
        text += i == 0 ? ": " : ", ";
        text += std::to_string(actions[i].index) + " " + ActionName(actions[i].index);
    }
    return text;
}

std::string GroupClass(const std::vector<DrawnAction>& actions) {
    if (actions.empty()) return "key";
    return actions.size() > 1 ? "key bound shared" : "key bound";
}

std::string SharedBadge(const Box& outline, size_t count) {
    const int cx = outline.x + outline.w - 10;
    const int cy = outline.y + 10;
    return svg::Circle(cx, cy, 8, "badge") +
           svg::Text(cx, cy + 4, "count", std::to_string(count), 0, svg::Anchor::Middle);
}

}  // namespace

std::string ShownLegend(const KeyPlace& place) {
    const std::string label = PlayerLabel(place.code);
    return label.empty() ? place.legend : label;
}

std::string PlaceName(const KeyPlace& place) {
    if (place.code < 0) return std::string("Mouse ") + place.legend;
    return ShownLegend(place) + " (" + std::to_string(place.code) + ")";
}

KeyDrawing DrawPlace(const KeyPlace& place, const std::vector<DrawnAction>& actions, bool markDefaults,
                     int originX, int originY) {
    const Box outline = Outline(place, originX, originY);
    if (place.code == NONE) return {svg::Rect(outline.x, outline.y, outline.w, outline.h, 4, "wheel"), false};
    const int radius = place.shape == PlaceShape::MouseButton ? 10 : 4;
    KeyDrawing drawing{svg::GroupOpen("key-" + std::to_string(KeptByte(place.code)), GroupClass(actions)), false};
    drawing.markup += svg::Title(Tooltip(place, actions));
    drawing.markup += place.shape == PlaceShape::IsoEnter ? IsoEnterOutline(outline)
                                                          : svg::Rect(outline.x, outline.y, outline.w, outline.h, radius, "cap");
    drawing.markup += svg::Text(outline.x + kPadding, outline.y + kLegendBaseline, "legend", ShownLegend(place));
    if (actions.size() > 1) drawing.markup += SharedBadge(outline, actions.size());
    const KeyDrawing labels = DrawLabels(LabelArea(place, outline), actions, markDefaults);
    drawing.markup += labels.markup + svg::GroupClose();
    drawing.crowded = labels.crowded;
    return drawing;
}

}  // namespace dk::check
