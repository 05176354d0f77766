#pragma once
// A stand-in for the Windows services: a virtual clock that Sleep advances, a
// scripted keyboard, a lock that counts, and files on the real file system.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/fake_keyboard_layouts.h"

namespace dk::fake {

struct KeyEvent {
    uint32_t at;      // virtual tick count
    int virtualKey;
    bool down;
};

// The thread that owns the game's window.
inline constexpr uint32_t kGameThread = 7;

// One file call of the plug-in, with the file's name (no folder) and, for a
// flush, the bytes the file then holds: "open DuskvaleKeys.ini.tmp wb",
// "flush 7320", "replace DuskvaleKeys.ini.tmp DuskvaleKeys.ini", "remove ...".
struct FileCall {
    uint32_t at;  // virtual tick count
    std::string what;
};

struct FakePlatformState {
    uint32_t now = 0;
    std::vector<uint32_t> sleeps;        // every Sleep, in order
    std::vector<KeyEvent> script;        // applied as the clock passes `at`
    bool keys[256] = {};
    int lockInits = 0;
    int lockDepth = 0;                   // > 0 while the lock is held
    int maxLockDepth = 0;
    std::string moduleFileName = "C:\\Games\\Duskvale\\DuskvaleKeys.asi";
    bool moduleNameWhole = true;         // false: the module's path cannot be had
    bool failReplace = false;            // the next replaceFile calls fail
    bool failFlush = false;              // the next flushFile calls fail
    int replaceCalls = 0;
    std::vector<FileCall> fileCalls;     // opens, flushes, replaces and removes, in order
    std::string lockedPath;              // opening it fails, as when an editor holds it unshared
    int stampQueries = 0;
    int fileOpens = 0;
    uint32_t gameThread = kGameThread;              // the thread of the game's window in front; 0: the game is not in front
    // What the game's window's thread types with, and what the thread asking
    // for its own (the plug-in's) does; any other thread id has none.
    KeyboardLayout gameLayout = kUsLayout;
    KeyboardLayout ownLayout = kUsLayout;
    std::vector<uint32_t> layoutThreads;   // the thread of every layout query
    int foregroundQueries = 0;
    int keyMappings = 0;
    uint32_t localTimeOfDay = ((13 * 60 + 5) * 60 + 9) * 1000 + 42;  // 13:05:09.042
    int timeAskedUnderLock = 0;  // each log line asks the time: one asked under the lock is one written there
    std::string systemDescription = "under Wine 8.0";
    uint32_t lastError = 0;  // set by each fake call that fails
};

// The fake's failures and the words the fake gives for them.
inline constexpr uint32_t kSharingViolation = 32;
inline constexpr const char* kSharingViolationText =
    "The process cannot access the file because it is being used by another process.";

// Installs the fake as the process's platform, from a fresh state, and returns it.
FakePlatformState& InstallFakePlatform();
FakePlatformState& FakePlatform();

// Keys: at once, or scripted for a virtual time.
void PressKey(int virtualKey);
void ReleaseKey(int virtualKey);
void ScriptKey(uint32_t at, int virtualKey, bool down);
// The foreground: the game's own window, or another program's.
void GameInFront();
void OtherProgramInFront();
// Moves the clock without a Sleep (as time passing in other threads would).
void AdvanceClock(uint32_t milliseconds);
uint32_t TotalSlept();

}  // namespace dk::fake
