#pragma once
// What the worker tells the log of its own start: who started it where, on
// what, whether the game is the build it was made for, and when its pages
// went in.
#include <cstdint>

namespace dk {

// The worker's first step: opens the log beside the module, replacing the
// last start's, and writes its first line (the version, the module's path,
// the entry that started it and what it runs on), then a failed pin of the
// module, if any.
void BeginPluginLog();

// Asks the game whether it is the build this plug-in was made for, and tells
// the log; for another build that is the last line of the start.
bool GameBuildRecognised();

// At each tick: an InitializeASI that came after the start is told, once.
void TellLateInitializeCall();

// "pages installed", with the seconds since the worker's first step.
void TellPagesInstalled();

}  // namespace dk
