#pragma once
// One run of the plug-in the way an ASI loader runs it: copied into its own
// folder (so its .ini lands there), loaded, its imports of the clock, the
// keyboard, the foreground window, the keyboard layout, the binding file's
// replace and open, Sleep, VirtualProtect and CreateThread pointed at the
// virtual world as it is mapped, then InitializeASI called (or not).
#include <string>

#include "virtual_world.h"

namespace standin {

struct Session {
    std::string folder;      // ends with a backslash
    std::string pluginPath;  // the copy that is loaded
    std::string iniPath;     // where the binding file is expected
    std::wstring wideIniPath;  // the same, whatever characters the folder holds
    HMODULE module = nullptr;
    int threadsBeforeLoad = 0;  // this process's threads just before the plug-in was loaded
    void (*initialize)() = nullptr;
};

std::string WindowsPath(const std::string& path);  // a Unix path as Wine's Z: drive
std::string ScenarioFolder(const std::string& name);
bool PrepareFolder(const std::string& folder, bool emptyItFirst);

// Copies and loads the plug-in and patches its imports; checks as it goes.
bool LoadPlugin(const std::string& asiPath, const std::string& folder, Session* session);
// The steps, for a loader of the stand-in's own: the copy in its folder (made
// current); the watch for its load, under which the module's export is found
// and its imports patched as soon as it is mapped, before its DllMain runs;
// and the check, once the load returned, that this happened.
bool PlacePlugin(const std::string& asiPath, const std::string& folder, Session* session);
bool LoadPlacedPlugin(Session* session);  // a plain LoadLibrary of the placed copy, watched
bool ExpectPluginLoad(Session* session);
bool PluginLoaded(HMODULE module, Session* session);
// The same for a folder of any name and length (ends with a backslash),
// loaded with a plain LoadLibraryW as a loader would.
bool LoadPluginWide(const std::string& asiPath, const std::wstring& folder, Session* session);
// An empty folder of any name and length, its parents made as needed.
bool PrepareWideFolder(const std::wstring& folder);
std::string ReadWideFile(const std::wstring& path);  // empty when missing
bool WriteWideFile(const std::wstring& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& bytes);  // exact bytes

// Runs InitializeASI (`calls` times, perhaps none) and the script; true when
// the script ran to its end. An ended worker counts as an end only when
// `workerMayEnd` is set.
bool RunPlugin(const Session& session, Script script, int calls, bool workerMayEnd, bool* workerEnded);

}  // namespace standin
