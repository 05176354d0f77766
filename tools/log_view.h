#pragma once
// What dkcheck's player run shows of the plug-in's log of its last start: its
// first line (the version, the loaded file, the loader's way and the system)
// and every line that tells of trouble, as the plug-in itself marks them.
#include <string>
#include <string_view>

namespace dk::check {

// The log beside the binding file: its name with ".log".
std::string LogBesideBindingFile(const std::string& bindingPath);

// The view of the log's bytes, with the log's path in its heading.
std::string LogView(std::string_view logBytes, const std::string& logPath);

}  // namespace dk::check
