#pragma once
// One key or mouse button of the layout picture, with the actions it serves.
#include <string>
#include <vector>

#include "drawn_layout.h"
#include "key_places.h"

namespace dk::check {

inline constexpr int kPixelsPerQuarter = 16;  // one key width is 64 pixels
// Below this size a label no longer reads at a glance.
inline constexpr int kSmallestComfortableFont = 9;

struct KeyDrawing {
    std::string markup;
    bool crowded;  // some label had to be drawn smaller than is comfortable
};

// `originX`, `originY`: where the top left of the place table lands, in pixels.
// `markDefaults`: mark actions that come from the default layout.
KeyDrawing DrawPlace(const KeyPlace& place, const std::vector<DrawnAction>& actions, bool markDefaults,
                     int originX, int originY);

// What the player's keycap says: its label on the player's keyboard where
// that differs from a US keyboard's (key_labels.h), else the US one.
std::string ShownLegend(const KeyPlace& place);

// "Ctrl (157)", "Z (17)": the shown keycap with the code that names the key.
std::string PlaceName(const KeyPlace& place);

}  // namespace dk::check
