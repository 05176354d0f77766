#pragma once
// A fresh fake game and Windows for the benchmarks, with the plug-in's module
// (and so its binding file) in a temporary folder of its own.
#include <string>

namespace dk::bench {

// Installs the fakes and clears everything the plug-in keeps; gives the path
// of the binding file.
std::string FreshWorld();

// FreshWorld, then start-up and installation as the worker runs them.
std::string InstalledWorld();

// Removes the temporary folder of the last world.
void RemoveWorld();

}  // namespace dk::bench
