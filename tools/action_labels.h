#pragma once
// Short names of the actions, for a picture where a key is barely wider than
// a word.
#include "bindings/action_catalogue.h"

namespace dk::check {

// The action's catalogue name when it has no short name.
const char* ActionLabel(ActionIndex index);

}  // namespace dk::check
