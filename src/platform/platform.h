#pragma once
// The Windows services the portable code uses, as a table: the DLL installs the
// real ones, tests install a virtual clock and a scripted keyboard.
//
// Paths are UTF-8 on this side of the table; the Windows side converts them to
// wide characters at each call, so any folder name works.
#include <cstdint>
#include <cstdio>
#include <string>

namespace dk {

enum class FileKind : uint8_t { Missing, File, Directory };

// What one attributes query tells of a path. The time is the system's own
// last-write time; it is only ever compared for equality.
struct FileStamp {
    FileKind kind;
    uint64_t lastWrite;
    uint64_t size;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// A keyboard layout as Windows names it; only compared and handed back.
using KeyboardLayout = uintptr_t;

// The translations of MapVirtualKeyExW, by its own numbers.
enum class KeyMapping : uint32_t {
    VirtualKeyToScanCode = 0,
    ScanCodeToVirtualKey = 1,
    VirtualKeyToCharacter = 2,  // the top bit marks a dead key
};

struct PlatformInterface {
    uint32_t (*tickCount)();
    void (*sleep)(uint32_t milliseconds);
    bool (*isKeyDown)(int virtualKey);  // the top bit of the asynchronous key state
    void (*initLock)();
    void (*enterLock)();
    void (*leaveLock)();
    // The plug-in's file, else the game's. False when the whole path cannot be
    // had: a cut or garbled path must never name a file.
    bool (*moduleFileName)(std::string& path);
    FileStamp (*fileStamp)(const char* path);  // Missing also when the query fails
    std::FILE* (*openFile)(const char* path, const char* mode);  // as fopen; others may share the file
    bool (*flushFile)(std::FILE* file);  // what was written is on the disk itself, not only in a cache
    bool (*removeFile)(const char* path);
    bool (*replaceFile)(const char* source, const char* destination);  // one step, durable
    // The thread of the foreground window when that window is the game's own
    // (any window of this process); 0 when another program's window or none is in front.
    uint32_t (*gameThreadInFront)();
    KeyboardLayout (*keyboardLayout)(uint32_t threadId);  // 0: the calling thread's
    uint32_t (*mapVirtualKey)(uint32_t code, KeyMapping mapping, KeyboardLayout layout);  // 0: none
    // For the plug-in's log: the local time of day in milliseconds since
    // midnight; what the plug-in runs on ("under Wine 8.0", "on Windows
    // 10.0.19045"); the calling thread's last Windows error, and the system's
    // words for an error (empty when it has none).
    uint32_t (*localTimeOfDay)();
    void (*systemDescription)(std::string& text);
    uint32_t (*lastError)();
    void (*errorMessage)(uint32_t error, std::string& text);
};

void InstallPlatform(const PlatformInterface* table);
const PlatformInterface& Platform();

}  // namespace dk
