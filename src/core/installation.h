#pragma once

namespace dk {

// Set once the plug-in is installed into the frontend; never cleared.
extern bool pagesInstalled;

// Installs the plug-in into the frontend: a binding file made when there is
// none, the overrides forced into the game's table, the custom pages built and
// the controls page pointed at them. Does nothing once installed.
void InstallPlugin();

// One step of the wait for the frontend: installs when "start" is shown,
// otherwise sleeps. True once installed.
bool WaitStep();

// Registers the custom pages and redirects the controls links when the game's
// frontend was missing at installation and is there now. Each controller tick.
void CompleteFrontendLinks();

// Back to the state at load. For tests.
void ResetInstallation();

}  // namespace dk
