#pragma once
// What the plug-in makes of one line of a binding file, in words.
#include <string>
#include <string_view>

#include "bindings/binding_line.h"
#include "bindings/skipped_line.h"

namespace dk::check {

// One line of the report: what the line binds, or why it is skipped.
std::string DescribeLine(const BindingLine& line, std::string_view rawLine);

}  // namespace dk::check
