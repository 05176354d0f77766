#include "action_labels.h"

namespace dk::check {

namespace {

struct Label {
    ActionIndex index;
    const char* text;
};

constexpr Label kLabels[] = {
    {0, "Use"},           {1, "Wall squash"},   {2, "Look back"},   {3, "Reload"},
    {4, "Pick up"},       {5, "Drop"},          {7, "Hard punch"},  {9, "Punch"},
    {11, "Climb"},        {12, "Grapple"},      {14, "Block"},      {17, "Forward"},
    {18, "Back"},         {19, "Strafe left"},  {20, "Strafe right"}, {21, "Peek left"},
    {22, "Peek right"},   {24, "Menu"},         {25, "Zoom in"},    {26, "Zoom out"},
    {28, "Sneak"},        {29, "Run"},          {31, "Aim"},        {32, "Lock on"},
    {38, "Look around"},  {39, "Slot 1"},       {40, "Slot 2"},     {41, "Slot 3"},
    {42, "Slot 4"},       {45, "Crawl"},        {46, "Crouch"},     {48, "Torch"},
    {53, "Execute"},
};

}  // namespace

const char* ActionLabel(ActionIndex index) {
    for (const Label& label : kLabels) {
        if (label.index == index) return label.text;
    }
    return ActionName(index);
}

}  // namespace dk::check
