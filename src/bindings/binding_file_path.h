#pragma once
#include <string>

namespace dk {

// A file beside the module, under the module's name with its last extension
// replaced ("a.b.asi" and ".log" give "a.b.log"; an empty name gives ".log").
// Backslash and slash both separate folders.
std::string FileBesideModule(const std::string& moduleFileName, const char* extension);

// The binding file: FileBesideModule with ".ini".
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
