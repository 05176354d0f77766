#include "virtual_world.h"

#include <algorithm>
#include <cstdio>

#include "game_addresses.h"
#include "file_calls.h"
#include "game_frontend.h"
#include "iat_patch.h"
#include "player_desk.h"

namespace standin {
namespace {

volatile bool keys[256];
uint32_t clockStart = 0;
volatile uint32_t elapsed = 0;
bool failCallSiteProtection = false;
WorldHooks hooks;
Script running;
size_t nextEvent = 0;
bool scriptStarted = false;
HANDLE scriptDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);

void ApplyDueEvents() {
    while (scriptStarted && nextEvent < running.events.size() && running.events[nextEvent].at <= elapsed)
        running.events[nextEvent++].action();
    if (scriptStarted && nextEvent == running.events.size()) {
        SetEvent(scriptDone);
        WaitForSingleObject(never, INFINITE);  // parked: the run is over
    }
}

SHORT WINAPI HookGetAsyncKeyState(int virtualKey) {
    return (virtualKey >= 0 && virtualKey < 256 && keys[virtualKey]) ? static_cast<SHORT>(0x8000) : 0;
}

DWORD WINAPI HookGetTickCount() { return clockStart + elapsed; }

void WINAPI HookSleep(DWORD ms) {
    if (GetCurrentThreadId() != hooks.workerId) {
        Sleep(ms);
        return;
    }
    ++hooks.workerSleeps;
    elapsed = elapsed + ms;
    ApplyDueEvents();
}

BOOL WINAPI HookVirtualProtect(LPVOID address, SIZE_T size, DWORD protection, PDWORD old) {
    ++hooks.virtualProtectCalls;
    uintptr_t first = reinterpret_cast<uintptr_t>(address);
    bool coversSite = first < kKeyNameCallSite + 5 && first + size > kKeyNameCallSite;
    if (failCallSiteProtection && coversSite) {
        ++hooks.refusedProtectCalls;
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    return VirtualProtect(address, size, protection, old);
}

// A worker started from the plug-in's DllMain would otherwise run its first
// steps before the scenario has set the game up and started its script.
std::vector<HANDLE> heldThreads;

void StartWhenScriptRuns(HANDLE thread) {
    HANDLE held = nullptr;
    if (scriptStarted ||
        !DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &held, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        ResumeThread(thread);
        return;
    }
    heldThreads.push_back(held);
}

void ReleaseHeldThreads() {
    for (HANDLE thread : heldThreads) {
        ResumeThread(thread);
        CloseHandle(thread);
    }
    heldThreads.clear();
}

HANDLE WINAPI HookCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stack, LPTHREAD_START_ROUTINE start,
                               LPVOID parameter, DWORD flags, LPDWORD id) {
    ++hooks.createThreadCalls;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(security, stack, start, parameter, flags | CREATE_SUSPENDED, &threadId);
    if (thread && !hooks.worker) {
        // Known before it runs, so its first Sleep is already virtual.
        DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &hooks.worker, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        hooks.workerId = threadId;
    }
    if (id) *id = threadId;
    if (thread && !(flags & CREATE_SUSPENDED)) StartWhenScriptRuns(thread);
    return thread;
}

}  // namespace

uint32_t VirtualNow() { return clockStart + elapsed; }
void SetKey(int virtualKey, bool down) { keys[virtualKey & 0xff] = down; }
bool KeyIsDown(int virtualKey) { return keys[virtualKey & 0xff]; }

void ResetWorld(const WorldOptions& options) {
    for (volatile bool& k : keys) k = false;
    clockStart = options.clockStart;
    elapsed = 0;
    failCallSiteProtection = options.failCallSiteProtection;
    hooks = WorldHooks{};
    ResetDesk();
}

void SetClockStart(uint32_t tickCount) { clockStart = tickCount; }

const WorldHooks& Hooks() { return hooks; }

void* HookFor(const char* name) {
    const NamedHook kHooks[] = {{"GetAsyncKeyState", reinterpret_cast<void*>(&HookGetAsyncKeyState)},
                                {"GetTickCount", reinterpret_cast<void*>(&HookGetTickCount)},
                                {"Sleep", reinterpret_cast<void*>(&HookSleep)},
                                {"VirtualProtect", reinterpret_cast<void*>(&HookVirtualProtect)},
                                {"CreateThread", reinterpret_cast<void*>(&HookCreateThread)}};
    for (void* hook : {FindNamedHook(kHooks, name), DeskHookFor(name), FileCallHookFor(name)})
        if (hook) return hook;
    return nullptr;
}

void StartScript(Script script) {
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const Script::Event& a, const Script::Event& b) { return a.at < b.at; });
    running = std::move(script);
    nextEvent = 0;
    ResetEvent(scriptDone);
    scriptStarted = true;
    ReleaseHeldThreads();
}

ScriptEnd WaitForScript(DWORD realTimeLimitMs) {
    if (!hooks.worker) return ScriptEnd::NoWorker;
    HANDLE waits[2] = {scriptDone, hooks.worker};
    DWORD r = WaitForMultipleObjects(2, waits, FALSE, realTimeLimitMs);
    if (r == WAIT_OBJECT_0) return ScriptEnd::Finished;
    if (r == WAIT_OBJECT_0 + 1) return ScriptEnd::WorkerEnded;
    std::printf("note: at virtual +%u ms, event %u of %u\n", static_cast<unsigned>(elapsed),
                static_cast<unsigned>(nextEvent), static_cast<unsigned>(running.events.size()));
    return ScriptEnd::TimedOut;
}

Script& Script::Do(std::function<void()> action) {
    events.push_back({cursor, std::move(action)});
    return *this;
}

Script& Script::KeyDown(int virtualKey) {
    return Do([virtualKey] {
        SetKey(virtualKey, true);
        if (GameIsInFront()) standin::MenuKey(virtualKey);
    });
}

Script& Script::KeyUp(int virtualKey) {
    return Do([virtualKey] { SetKey(virtualKey, false); });
}

Script& Script::Tap(int virtualKey, uint32_t holdMs, uint32_t gapMs) {
    KeyDown(virtualKey);
    After(holdMs);
    KeyUp(virtualKey);
    return After(gapMs);
}

Script& Script::MenuKey(int virtualKey) { return Tap(virtualKey, 40, 40); }

}  // namespace standin

