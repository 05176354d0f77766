#pragma once
// The bindings a picture shows: every mappable action with the code it ends up
// with, and where that code came from.
#include <cstdint>
#include <string>
#include <vector>

#include "binding_summary.h"

namespace dk::check {

struct DrawnAction {
    ActionIndex index;
    KeyCode code;
    bool fromDefault;  // the file does not set it: the plug-in's default layout stands in
};

struct DrawnLayout {
    std::vector<DrawnAction> actions;  // every mappable action, ascending by index
    std::string sourceName;            // the binding file's name; empty for the default layout
};

DrawnLayout DefaultLayout();
DrawnLayout LayoutFromFile(const ActionResults& results, std::string sourceName);

// The actions on the key the game sees as `byte`, ascending by index.
std::vector<DrawnAction> ActionsOnByte(const DrawnLayout& layout, uint8_t byte);

// The kept bytes of every bound action that has no place on the drawing, ascending.
std::vector<uint8_t> UnplacedBytes(const DrawnLayout& layout);

}  // namespace dk::check
