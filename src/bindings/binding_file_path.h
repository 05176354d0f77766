#pragma once
#include <string>

namespace dk {

// The binding file sits beside the module, under the module's name with its
// last extension replaced by ".ini" ("a.b.asi" gives "a.b.ini"; an empty name
// gives ".ini"). Backslash and slash both separate folders.
std::string ResolveBindingFilePath(const std::string& moduleFileName);

// UTF-8. Empty at load; set once from the module's file name, then fixed. It
// stays empty when the module's path cannot be had whole.
extern std::string bindingFilePath;

// Sets bindingFilePath from the module's path the first time. False when
// there is no path: the plug-in then reads and writes no file at all.
bool HaveBindingFilePath();

// Back to the state at load. For tests.
void ForgetBindingFilePath();

}  // namespace dk
