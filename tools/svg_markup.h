#pragma once
// The few SVG 1.1 elements the layout picture is made of, as text. Every
// number is a whole pixel, so the same picture comes out byte for byte on
// every platform.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace dk::check::svg {

// Text safe inside an element or a quoted attribute: markup characters
// escaped; bytes that are not UTF-8, and characters XML forbids, as U+FFFD.
std::string Escaped(std::string_view text);

std::string Open(int width, int height, std::string_view title, std::string_view style);
std::string Close();

std::string GroupOpen(std::string_view id, std::string_view cls);
std::string GroupClose();
// A tooltip for the enclosing group.
std::string Title(std::string_view text);

std::string Rect(int x, int y, int w, int h, int radius, std::string_view cls);
std::string Circle(int cx, int cy, int r, std::string_view cls);
// A closed outline through the given corners, x and y alternating.
std::string Polygon(std::initializer_list<int> corners, std::string_view cls);

enum class Anchor { Start, Middle };
// One line of text with its baseline at y; fontSize 0 leaves the size to the style.
std::string Text(int x, int y, std::string_view cls, std::string_view text, int fontSize = 0,
                 Anchor anchor = Anchor::Start);

// Lines after the first stand in a little, so that one text reads apart from the next.
inline constexpr int kContinuationIndent = 6;

// One text of several lines, each under the one before and the later ones
// indented; the words stay one text, with the spaces between them.
std::string TextLines(int x, int firstBaseline, int lineHeight, std::string_view cls,
                      const std::vector<std::string>& lines, int fontSize);

}  // namespace dk::check::svg
