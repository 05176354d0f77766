#include "player_desk.h"

#include <windows.h>

#include "fake_keyboard_layouts.h"
#include "iat_patch.h"

namespace standin {
namespace {

// Window handles the plug-in only hands back to us.
HWND const kGameWindow = reinterpret_cast<HWND>(0x00010010);
HWND const kOtherWindow = reinterpret_cast<HWND>(0x00020020);

// What a thread that is not the game's types with: the system's default.
constexpr uint32_t kDefaultLayout = dk::fake::kUsLayout;

volatile HWND foreground = kGameWindow;
volatile uint32_t gameLayout = kDefaultLayout;
volatile LONG layoutQueries = 0;
DWORD gameThread = 0;  // the thread that owns the game's window

// The other window belongs to a process (and so a thread) that is not ours.
DWORD OtherProgramThread() { return gameThread ^ 0x4000; }

HWND WINAPI HookGetForegroundWindow() { return foreground; }

DWORD WINAPI HookGetWindowThreadProcessId(HWND window, LPDWORD process) {
    const bool ours = window == kGameWindow;
    if (window != kGameWindow && window != kOtherWindow) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);  // no window at all included
        return 0;
    }
    if (process) *process = ours ? GetCurrentProcessId() : GetCurrentProcessId() ^ 0x4000;
    return ours ? gameThread : OtherProgramThread();
}

// A thread id that names no running thread has no layout.
bool ThreadRuns(DWORD thread) {
    if (thread == OtherProgramThread()) return true;
    HANDLE handle = OpenThread(THREAD_QUERY_INFORMATION, FALSE, thread);
    if (!handle) return false;
    DWORD code = 0;
    const bool runs = GetExitCodeThread(handle, &code) && code == STILL_ACTIVE;
    CloseHandle(handle);
    return runs;
}

// Windows keeps a layout for each thread (0 asks for the caller's): only the
// game's window's thread types with the player's; any other, the plug-in's
// worker too, with the system's default.
HKL WINAPI HookGetKeyboardLayout(DWORD thread) {
    InterlockedIncrement(&layoutQueries);
    if (thread == 0) thread = GetCurrentThreadId();
    const uint32_t layout = thread == gameThread ? gameLayout : ThreadRuns(thread) ? kDefaultLayout : 0;
    return reinterpret_cast<HKL>(static_cast<uintptr_t>(layout));
}

UINT WINAPI HookMapVirtualKeyExW(UINT code, UINT mapping, HKL keyboard) {
    return dk::fake::MapKeyInLayout(code, mapping, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(keyboard)));
}

}  // namespace

void ResetDesk() {
    gameThread = GetCurrentThreadId();
    foreground = kGameWindow;
    gameLayout = kDefaultLayout;
    layoutQueries = 0;
}

void PutGameInFront() { foreground = kGameWindow; }
void PutOtherProgramInFront() { foreground = kOtherWindow; }
void PutNoWindowInFront() { foreground = nullptr; }
bool GameIsInFront() { return foreground == kGameWindow; }
void SetGameLayout(uint32_t value) { gameLayout = value; }
int LayoutQueries() { return layoutQueries; }

void* DeskHookFor(const char* name) {
    const NamedHook kHooks[] = {{"GetForegroundWindow", reinterpret_cast<void*>(&HookGetForegroundWindow)},
                                {"GetWindowThreadProcessId", reinterpret_cast<void*>(&HookGetWindowThreadProcessId)},
                                {"GetKeyboardLayout", reinterpret_cast<void*>(&HookGetKeyboardLayout)},
                                {"MapVirtualKeyExW", reinterpret_cast<void*>(&HookMapVirtualKeyExW)}};
    return FindNamedHook(kHooks, name);
}

}  // namespace standin
