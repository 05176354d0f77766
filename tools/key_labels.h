#pragma once
// The labels dkcheck's report and picture give keys: those of the player's
// keyboard, read with the plug-in's own code, or with `--layout us` those of a
// US keyboard, by which the binding file names every key.
#include <string>
#include <vector>

#include "keys/key_code.h"

namespace dk::check {

inline constexpr const char* kLayoutOption = "--layout";
inline constexpr const char* kUsLayout = "us";

// Takes `--layout us` out of the arguments, wherever it stands (the picture's
// name after --svg excepted), and says whether it was there. False when
// --layout names another layout or none.
bool TakeLayoutOption(std::vector<std::string>& arguments, bool& usLabels);

// Unless `usLabels`, puts the keyboard layout of dkcheck's own thread in force
// (through the platform table installed).
void LabelKeys(bool usLabels);

// The player's label of the key the game sees for `code`, where it differs
// from a US keyboard's; empty elsewhere.
std::string PlayerLabel(KeyCode code);

// " (your key Z)" beside the file's token where PlayerLabel has a label; "" elsewhere.
std::string YourKeyNote(KeyCode code);

// "keyboard layout 040C040C"; empty while keys have US labels.
std::string LayoutName();

}  // namespace dk::check
