#pragma once
// The lines under the drawing: what the keys cannot show.
#include <string>
#include <string_view>
#include <vector>

#include "drawn_layout.h"

namespace dk::check {

// The start of a line that goes on with the line before it.
inline constexpr std::string_view kContinuedLine = "    ";

struct NoteSection {
    const char* id;       // of the SVG group that holds the section
    std::string heading;
    std::vector<std::string> lines;
};

// Actions on no key at all, as the game sees them (its byte is 0).
NoteSection UnboundNote(const DrawnLayout& layout);
// Codes the drawing has no place for, each with its actions: nothing is dropped.
NoteSection UnplacedNote(const DrawnLayout& layout);
// Keys whose labels had to be drawn small, spelled out in full.
NoteSection CrowdedNote(const DrawnLayout& layout, const std::vector<uint8_t>& crowdedBytes);
// Whose keyboard the keycaps follow, where some differ from a US keyboard's.
NoteSection KeyLabelsNote();

}  // namespace dk::check
