#pragma once
// The Windows services the portable code uses, as a table: the DLL installs the
// real ones, tests install a virtual clock and a scripted keyboard.
#include <cstdint>
#include <string>

namespace dk {

struct PlatformInterface {
    uint32_t (*tickCount)();
    void (*sleep)(uint32_t milliseconds);
    bool (*isKeyDown)(int virtualKey);  // the top bit of the asynchronous key state
    void (*initLock)();
    void (*enterLock)();
    void (*leaveLock)();
    bool (*isFileMissing)(const char* path);  // absent, unreadable attributes, or a directory
    std::string (*moduleFileName)();          // the plug-in's file, else the game's
    bool (*replaceFile)(const char* source, const char* destination);  // one step, durable
};

void InstallPlatform(const PlatformInterface* table);
const PlatformInterface& Platform();

}  // namespace dk
