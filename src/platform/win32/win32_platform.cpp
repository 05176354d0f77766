#include "platform/win32/win32_platform.h"

#include <cstring>

namespace dk::win32 {

HMODULE moduleHandle = nullptr;

namespace {

CRITICAL_SECTION controllerLock;

// Each of these calls its import directly: a host under test replaces the
// import table entries of GetTickCount, Sleep and GetAsyncKeyState to drive
// time and the keyboard.
uint32_t TickCount() { return GetTickCount(); }

void SleepFor(uint32_t milliseconds) { Sleep(milliseconds); }

bool IsKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

void InitLock() { InitializeCriticalSection(&controllerLock); }

void EnterLock() { EnterCriticalSection(&controllerLock); }

void LeaveLock() { LeaveCriticalSection(&controllerLock); }

bool IsFileMissing(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A failed call leaves the buffer empty. A path too long for the buffer comes
// back cut, and older systems then leave out the terminator: count at most
// the buffer.
std::string ModuleFileName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(moduleHandle, path, MAX_PATH);
    return std::string(path, strnlen(path, MAX_PATH));
}

// The new text must be on the disk before the name points at it, or a power
// cut right after the move could leave an empty binding file.
bool FlushToDisk(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != FALSE;
    CloseHandle(file);
    return flushed;
}

bool MoveOver(const char* source, const char* destination) {
    return FlushToDisk(source) &&
           MoveFileExA(source, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

const PlatformInterface& Win32Platform() {
    static const PlatformInterface table = {
        .tickCount = TickCount,
        .sleep = SleepFor,
        .isKeyDown = IsKeyDown,
        .initLock = InitLock,
        .enterLock = EnterLock,
        .leaveLock = LeaveLock,
        .isFileMissing = IsFileMissing,
        .moduleFileName = ModuleFileName,
        .replaceFile = MoveOver,
    };
    return table;
}

}  // namespace dk::win32
