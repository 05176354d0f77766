#pragma once
// What the plug-in makes of one line of a binding file, in words.
#include <string>
#include <string_view>

#include "bindings/binding_line.h"

namespace dk::check {

// A line the plug-in skips although it is neither a comment nor blank: most
// likely a typing mistake that the player would want to hear about.
bool IsProblem(LineOutcome outcome);

// The line's bytes made safe for a terminal: printable ASCII as it is, every
// other byte as \xNN, cut after `limit` bytes with "...".
std::string PrintableText(std::string_view bytes, size_t limit = 60);

// One line of the report: what the line binds, or why it is skipped.
std::string DescribeLine(const BindingLine& line, std::string_view rawLine);

}  // namespace dk::check
