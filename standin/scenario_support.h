#pragma once
// Steps that many scenarios share: setting up the game, reaching pages the
// way a player does, capturing a key, and the checks that end every run.
#include <cstdint>
#include <functional>
#include <string>

#include "plugin_session.h"
#include "virtual_world.h"

namespace standin {

struct RunContext {
    std::string asi;     // the plug-in as built
    std::string folder;  // the scenario's folder (ends with a backslash)
    bool freshFolder = true;  // false: a later launch in a folder an earlier one left
};

struct BootOptions {
    bool knownBuild = true;
    bool emptyFolder = true;
    bool failCallSiteProtection = false;
    const char* iniText = nullptr;  // written beside the plug-in before it loads
    bool loadPlugin = true;  // false: only copied into place, for a loader to load
};

// Game image, folder and loaded plug-in; false (with FAIL lines) if any fails.
bool Boot(const RunContext& context, const BootOptions& options, Session* session);

// The game finishes loading and shows "start"; by the end the plug-in is installed.
void ShowStartAndSettle(Script& script);
// From "start" through "controls" into a custom page by its link's name.
void OpenFromStart(Script& script, const char* customPage);
// From one custom page to the other, through "apply" and "controls".
void SwitchCustomPage(Script& script, const char* customPage);
// On a custom page: move to the item, Enter, then `press` the keys for the capture.
void CaptureOnItem(Script& script, const char* itemName, std::function<void(Script&)> press);
void TapKeyForCapture(Script& script, int virtualKey);
// From "start" into play, with `player` as the game's player.
void EnterPlay(Script& script, void* player);

// Checks the game's name for the item right now.
void CheckDrawn(const char* page, const char* itemName, const std::string& expected);

// The plug-in started exactly one thread, through its CreateThread, and no other.
void CheckOneWorker(const Session& session);

int FinishRun(const char* scenario);  // violations, summary, exit code

// Runs another scenario as a separate process in the same folder.
bool RunChildScenario(const RunContext& context, const char* scenario);

}  // namespace standin
