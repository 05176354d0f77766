#include "svg_markup.h"

#include <cstdint>
#include <cstdio>

namespace dk::check::svg {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

std::string Format(const char* format, auto... arguments) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, arguments...);
    return buffer;
}

// Length of the well-formed UTF-8 sequence at text[i] that XML allows, or 0.
size_t AllowedSequenceLength(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return k < text.size() ? static_cast<uint8_t>(text[k]) : 0; };
    const auto continuation = [&](size_t k, uint8_t low, uint8_t high) { return byte(k) >= low && byte(k) <= high; };
    const uint8_t lead = byte(i);
    if (lead >= 0x20 && lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(i + 1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uint8_t low = lead == 0xE0 ? 0xA0 : 0x80;
        const uint8_t high = lead == 0xED ? 0x9F : 0xBF;  // no surrogate halves
        if (!continuation(i + 1, low, high) || !continuation(i + 2, 0x80, 0xBF)) return 0;
        const bool nonCharacter = lead == 0xEF && byte(i + 1) == 0xBF && byte(i + 2) >= 0xBE;  // U+FFFE, U+FFFF
        return nonCharacter ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uint8_t low = lead == 0xF0 ? 0x90 : 0x80;
        const uint8_t high = lead == 0xF4 ? 0x8F : 0xBF;
        const bool whole = continuation(i + 1, low, high) && continuation(i + 2, 0x80, 0xBF) &&
                           continuation(i + 3, 0x80, 0xBF);
        return whole ? 4 : 0;
    }
    return 0;
}

const char* AnchorName(Anchor anchor) { return anchor == Anchor::Middle ? "middle" : "start"; }

}  // namespace

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (size_t i = 0; i < text.size();) {
        const size_t length = AllowedSequenceLength(text, i);
        if (length == 0) {
            escaped += kReplacement;
            ++i;
            continue;
        }
        switch (text[i]) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped.append(text.substr(i, length));
        }
        i += length;
    }
    return escaped;
}

std::string Open(int width, int height, std::string_view title, std::string_view style) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
           Format("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\">\n",
                  width, height, width, height) +
           "<title>" + Escaped(title) + "</title>\n<style type=\"text/css\">\n" + std::string(style) +
           "</style>\n";
}

std::string Close() { return "</svg>\n"; }

std::string GroupOpen(std::string_view id, std::string_view cls) {
    std::string open = "<g";
    if (!id.empty()) open += " id=\"" + Escaped(id) + "\"";
    if (!cls.empty()) open += " class=\"" + Escaped(cls) + "\"";
    return open + ">\n";
}

std::string GroupClose() { return "</g>\n"; }

std::string Title(std::string_view text) { return "<title>" + Escaped(text) + "</title>\n"; }

std::string Rect(int x, int y, int w, int h, int radius, std::string_view cls) {
    return Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"%d\" class=\"", x, y, w, h, radius) +
           Escaped(cls) + "\"/>\n";
}

std::string Circle(int cx, int cy, int r, std::string_view cls) {
    return Format("<circle cx=\"%d\" cy=\"%d\" r=\"%d\" class=\"", cx, cy, r) + Escaped(cls) + "\"/>\n";
}

std::string Polygon(std::initializer_list<int> corners, std::string_view cls) {
    std::string points;
    bool first = true;
    for (int value : corners) {
        if (!first) points += ' ';
        points += std::to_string(value);
        first = false;
    }
    return "<polygon points=\"" + points + "\" class=\"" + Escaped(cls) + "\"/>\n";
}

std::string Text(int x, int y, std::string_view cls, std::string_view text, int fontSize, Anchor anchor) {
    std::string open = Format("<text x=\"%d\" y=\"%d\"", x, y);
    if (fontSize > 0) open += Format(" font-size=\"%d\"", fontSize);
    if (anchor != Anchor::Start) open += Format(" text-anchor=\"%s\"", AnchorName(anchor));
    return open + " class=\"" + Escaped(cls) + "\">" + Escaped(text) + "</text>\n";
}

std::string TextLines(int x, int firstBaseline, int lineHeight, std::string_view cls,
                      const std::vector<std::string>& lines, int fontSize) {
    if (lines.size() == 1) return Text(x, firstBaseline, cls, lines.front(), fontSize);
    std::string text = Format("<text font-size=\"%d\" class=\"", fontSize) + Escaped(cls) + "\">";
    for (size_t i = 0; i < lines.size(); ++i) {
        const int indent = i == 0 ? 0 : kContinuationIndent;
        text += Format("<tspan x=\"%d\" y=\"%d\">", x + indent, firstBaseline + static_cast<int>(i) * lineHeight) +
                Escaped(lines[i]) + (i + 1 < lines.size() ? " " : "") + "</tspan>";
    }
    return text + "</text>\n";
}

}  // namespace dk::check::svg
