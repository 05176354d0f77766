#include "support/fake_platform.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

bool ModuleFileName(std::string& path) {
    path = state.moduleFileName;
    return state.moduleNameWhole;
}

FileStamp StampOf(const char* path) {
    ++state.stampQueries;
    struct stat info;
    if (stat(path, &info) != 0) return {FileKind::Missing, 0, 0};
    if (S_ISDIR(info.st_mode)) return {FileKind::Directory, 0, 0};
    const uint64_t nanoseconds =
        static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(info.st_mtim.tv_nsec);
    return {FileKind::File, nanoseconds, static_cast<uint64_t>(info.st_size)};
}

std::string NameOf(const char* path) {
    const std::string text = path;
    const size_t slash = text.find_last_of('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

void Record(const std::string& what) { state.fileCalls.push_back({state.now, what}); }

std::FILE* OpenFile(const char* path, const char* mode) {
    ++state.fileOpens;
    Record("open " + NameOf(path) + " " + mode);
    if (!state.lockedPath.empty() && state.lockedPath == path) {
        state.lastError = kSharingViolation;
        return nullptr;
    }
    std::FILE* file = std::fopen(path, mode);
    if (file == nullptr) state.lastError = static_cast<uint32_t>(errno);
    return file;
}

// No fsync: the tests need the order of the calls, not the disk's own write.
bool FlushFile(std::FILE* file) {
    const bool flushed = std::fflush(file) == 0;
    struct stat info;
    Record("flush " + std::to_string(fstat(fileno(file), &info) == 0 ? info.st_size : -1));
    if (state.failFlush) state.lastError = kSharingViolation;
    return flushed && !state.failFlush;
}

bool RemoveFile(const char* path) {
    Record("remove " + NameOf(path));
    return std::remove(path) == 0;
}

bool ReplaceFile(const char* source, const char* destination) {
    ++state.replaceCalls;
    Record("replace " + NameOf(source) + " " + NameOf(destination));
    if (state.failReplace) {
        state.lastError = kSharingViolation;
        return false;
    }
    return std::rename(source, destination) == 0;
}

uint32_t GameThreadInFront() {
    ++state.foregroundQueries;
    return state.gameThread;
}

// As Windows: each thread its own layout, none for a thread that does not run.
KeyboardLayout LayoutOf(uint32_t threadId) {
    state.layoutThreads.push_back(threadId);
    if (threadId == 0) return state.ownLayout;
    return threadId == kGameThread ? state.gameLayout : 0;
}

uint32_t MapKey(uint32_t code, KeyMapping mapping, KeyboardLayout layout) {
    ++state.keyMappings;
    return MapKeyInLayout(code, static_cast<uint32_t>(mapping), static_cast<uint32_t>(layout));
}

uint32_t LocalTimeOfDay() {
    if (state.lockDepth > 0) ++state.timeAskedUnderLock;
    return state.localTimeOfDay;
}

void SystemDescription(std::string& text) { text = state.systemDescription; }

uint32_t LastError() { return state.lastError; }

void ErrorMessage(uint32_t error, std::string& text) {
    if (error == 0) {
        text.clear();
    } else {
        text = error == kSharingViolation ? kSharingViolationText : std::strerror(static_cast<int>(error));
    }
}

const PlatformInterface table = {
    TickCount, Sleep, IsKeyDown, InitLock, EnterLock, LeaveLock,
    ModuleFileName, StampOf, OpenFile, FlushFile, RemoveFile, ReplaceFile,
    GameThreadInFront, LayoutOf, MapKey,
    LocalTimeOfDay, SystemDescription, LastError, ErrorMessage,
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

void GameInFront() { state.gameThread = kGameThread; }

void OtherProgramInFront() { state.gameThread = 0; }

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
