#pragma once
// The picture of a layout: a keyboard and a mouse with the actions on their
// keys, a legend, and below them whatever the keys cannot show. Plain SVG 1.1
// with text, no scripts and nothing outside the file.
#include <string>

#include "drawn_layout.h"

namespace dk::check {

std::string LayoutPicture(const DrawnLayout& layout);

}  // namespace dk::check
