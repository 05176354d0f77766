#include "support/fake_platform.h"

#include <sys/stat.h>

#include <cstdio>

namespace dk::fake {

namespace {

FakePlatformState state;

// Applies every scripted key event whose time has come, in script order.
void ApplyDueEvents() {
    for (auto it = state.script.begin(); it != state.script.end();) {
        if (static_cast<int32_t>(state.now - it->at) >= 0) {
            state.keys[it->virtualKey & 0xFF] = it->down;
            it = state.script.erase(it);
        } else {
            ++it;
        }
    }
}

uint32_t TickCount() { return state.now; }

void Sleep(uint32_t milliseconds) {
    state.sleeps.push_back(milliseconds);
    AdvanceClock(milliseconds);
}

bool IsKeyDown(int virtualKey) {
    ApplyDueEvents();
    return virtualKey >= 0 && virtualKey < 256 && state.keys[virtualKey];
}

void InitLock() { ++state.lockInits; }

void EnterLock() {
    ++state.lockDepth;
    if (state.lockDepth > state.maxLockDepth) state.maxLockDepth = state.lockDepth;
}

void LeaveLock() { --state.lockDepth; }

bool IsFileMissing(const char* path) {
    struct stat info;
    return stat(path, &info) != 0 || S_ISDIR(info.st_mode);
}

std::string ModuleFileName() { return state.moduleFileName; }

bool ReplaceFile(const char* source, const char* destination) {
    ++state.replaceCalls;
    if (state.failReplace) return false;
    return std::rename(source, destination) == 0;
}

const PlatformInterface table = {
    TickCount, Sleep, IsKeyDown, InitLock, EnterLock, LeaveLock,
    IsFileMissing, ModuleFileName, ReplaceFile,
};

}  // namespace

FakePlatformState& InstallFakePlatform() {
    state = FakePlatformState{};
    InstallPlatform(&table);
    return state;
}

FakePlatformState& FakePlatform() { return state; }

void PressKey(int virtualKey) { state.keys[virtualKey & 0xFF] = true; }

void ReleaseKey(int virtualKey) { state.keys[virtualKey & 0xFF] = false; }

void ScriptKey(uint32_t at, int virtualKey, bool down) {
    state.script.push_back({at, virtualKey, down});
}

void AdvanceClock(uint32_t milliseconds) {
    state.now += milliseconds;
    ApplyDueEvents();
}

uint32_t TotalSlept() {
    uint32_t total = 0;
    for (uint32_t ms : state.sleeps) total += ms;
    return total;
}

}  // namespace dk::fake
