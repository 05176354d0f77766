#pragma once
// Where dkcheck runs: its own place on the disk, and whether a player started
// it from Explorer, in a console window of its own that closes when it ends.
#include <string>

namespace dk::check {

// dkcheck's own full path, UTF-8; empty when it cannot be had whole.
std::string ProgramPath();

// True when dkcheck is the only process of its console and reads and writes
// that console: started by a double-click or a drop in Explorer, not from a
// prompt, a script or a program that takes its output. Never on POSIX.
bool HasConsoleOfItsOwn();

}  // namespace dk::check
