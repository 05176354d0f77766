#pragma once
// The binding of every mappable action after the plug-in has read a file.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "bindings/binding_line.h"

namespace dk::check {

struct ActionResult {
    ActionIndex index;
    bool setByFile;     // false: the game keeps the binding it has
    KeyCode code;       // the last recognised line's code, when set
    size_t lineNumber;  // that line's number, counting from 1
};

using ActionResults = std::array<ActionResult, kMappableActionCount>;

// As the loader does it: every bound line records its code, a later one for
// the same action wins, and a skipped line changes nothing.
ActionResults ResultingBindings(const std::vector<BindingLine>& lines);

// The table: one row per mappable action, marking the actions the file leaves
// alone and those that end up on the same key as another.
std::string DescribeBindings(const ActionResults& results);

}  // namespace dk::check
