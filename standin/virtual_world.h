#pragma once
// The plug-in's view of time and input, in lockstep: its worker's Sleep(ms)
// moves a virtual clock forward and applies every scripted event that has
// come due, so each run sees the same keys at the same ticks.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace standin {

class Script;

uint32_t VirtualNow();
void SetKey(int virtualKey, bool down);
bool KeyIsDown(int virtualKey);

struct WorldOptions {
    uint32_t clockStart = 0x00200000;
    bool failCallSiteProtection = false;
};

// The hooks put into the plug-in's import table.
struct WorldHooks {
    int createThreadCalls = 0;
    int virtualProtectCalls = 0;
    int refusedProtectCalls = 0;
    uint32_t workerSleeps = 0;
    HANDLE worker = nullptr;  // our own handle to the first worker
    DWORD workerId = 0;
};
void ResetWorld(const WorldOptions& options);
void SetClockStart(uint32_t tickCount);  // before the run: what GetTickCount says at its start
const WorldHooks& Hooks();
void* HookFor(const char* importName);  // null for a name not hooked

// Runs the script on the worker's sleeps. A thread the plug-in started before
// the script (from its DllMain) runs from this moment. Returns when the last event ran (the
// worker then stays parked in Sleep), when the worker thread ended, or after
// the real-time limit. The result says which.
enum class ScriptEnd { Finished, WorkerEnded, TimedOut, NoWorker };
void StartScript(Script script);
ScriptEnd WaitForScript(DWORD realTimeLimitMs);

class Script {
public:
    struct Event {
        uint32_t at;  // ms after the clock's start
        std::function<void()> action;
    };
    uint32_t cursor = 0;  // where the next event goes
    std::vector<Event> events;

    Script& After(uint32_t ms) { cursor += ms; return *this; }
    Script& Do(std::function<void()> action);
    Script& KeyDown(int virtualKey);  // the game's menu sees it too
    Script& KeyUp(int virtualKey);
    // Down long enough that a tick after a 200 ms pause still sees it.
    Script& Tap(int virtualKey, uint32_t holdMs = 300, uint32_t gapMs = 300);
    Script& MenuKey(int virtualKey);  // a quick press for the game's menu
};

}  // namespace standin
