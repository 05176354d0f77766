#pragma once

namespace dk {

// The worker thread's whole life: start-up, the wait for the frontend, the
// installation and then the controller loop, which never ends. Returns at
// once, having written nothing into the game, when the process is not the
// game build this plug-in was made for.
void RunWorker();

// Controller ticks, one after another, until the process ends.
[[noreturn]] void ControllerLoop();

// Back to the state at load of everything the worker owns. For tests.
void ResetWorkerState();

}  // namespace dk
