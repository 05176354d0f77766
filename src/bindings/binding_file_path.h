#pragma once
#include <string>

namespace dk {

// The binding file sits beside the module, under the module's name with its
// last extension replaced by ".ini" ("a.b.asi" gives "a.b.ini"; an empty name
// gives ".ini"). Backslash and slash both separate folders.
std::string ResolveBindingFilePath(const std::string& moduleFileName);

// Empty at load; set once from the module's file name, then fixed.
extern std::string bindingFilePath;

// Sets bindingFilePath from Platform().moduleFileName() if it is still empty.
const std::string& EnsureBindingFilePath();

}  // namespace dk
