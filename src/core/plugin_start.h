#pragma once
// Which entry started the plug-in. A loader may call the DLL entry, the
// exported InitializeASI, or both, in any order and from any thread: the
// first call starts the one worker, and every later one only leaves a note.
// Everything here is safe under the loader lock: no lock, no call out.
#include <cstdint>

namespace dk {

enum class StartEntry : uint8_t { None, DllMain, InitializeASI };

// True for exactly one call per process: that caller starts the worker. A
// later InitializeASI is remembered for the worker to tell.
bool ClaimStart(StartEntry entry);

// The entry that started the plug-in; None before any did.
StartEntry StartedFrom();

// True once, on the worker, after an InitializeASI that found the plug-in started.
bool TakeLateInitializeCall();

// The Windows error of a failed pin of the module in memory; 0 when it held.
void NotePinFailure(uint32_t error);
uint32_t PinFailure();

// Back to the state at load. For tests.
void ResetPluginStart();

}  // namespace dk
