#pragma once
// Windows tells a registered callback of each DLL it maps, with the DLL's
// imports bound and before the DLL's entry point runs. The stand-in points
// the plug-in's imports at its virtual world there, so that even a worker
// started from the plug-in's DllMain runs in that world from its first step.
#include <windows.h>

namespace standin {

// From now on each load of a module with this file name (any folder, any
// case) calls `mapped` with the module before its DllMain runs.
bool WatchForModule(const wchar_t* fileName, void (*mapped)(HMODULE module));

}  // namespace standin
