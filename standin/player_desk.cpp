#include "player_desk.h"

#include <windows.h>

#include "fake_keyboard_layouts.h"
#include "iat_patch.h"

namespace standin {
namespace {

// Window handles the plug-in only hands back to us.
HWND const kGameWindow = reinterpret_cast<HWND>(0x00010010);
HWND const kOtherWindow = reinterpret_cast<HWND>(0x00020020);

volatile HWND foreground = kGameWindow;
volatile uint32_t layout = dk::fake::kUsLayout;
volatile LONG layoutQueries = 0;
DWORD gameThread = 0;  // the thread that owns the game's window

HWND WINAPI HookGetForegroundWindow() { return foreground; }

// The other window belongs to a process that is not ours.
DWORD WINAPI HookGetWindowThreadProcessId(HWND window, LPDWORD process) {
    const bool ours = window == kGameWindow;
    if (window != kGameWindow && window != kOtherWindow) return 0;
    if (process) *process = ours ? GetCurrentProcessId() : GetCurrentProcessId() ^ 0x4000;
    return ours ? gameThread : gameThread ^ 0x4000;
}

HKL WINAPI HookGetKeyboardLayout(DWORD) {
    InterlockedIncrement(&layoutQueries);
    return reinterpret_cast<HKL>(static_cast<uintptr_t>(layout));
}

UINT WINAPI HookMapVirtualKeyExW(UINT code, UINT mapping, HKL keyboard) {
    return dk::fake::MapKeyInLayout(code, mapping, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(keyboard)));
}

}  // namespace

void ResetDesk() {
    gameThread = GetCurrentThreadId();
    foreground = kGameWindow;
    layout = dk::fake::kUsLayout;
    layoutQueries = 0;
}

void PutGameInFront() { foreground = kGameWindow; }
void PutOtherProgramInFront() { foreground = kOtherWindow; }
bool GameIsInFront() { return foreground == kGameWindow; }
void SetKeyboardLayout(uint32_t value) { layout = value; }
int LayoutQueries() { return layoutQueries; }

void* DeskHookFor(const char* name) {
    const NamedHook kHooks[] = {{"GetForegroundWindow", reinterpret_cast<void*>(&HookGetForegroundWindow)},
                                {"GetWindowThreadProcessId", reinterpret_cast<void*>(&HookGetWindowThreadProcessId)},
                                {"GetKeyboardLayout", reinterpret_cast<void*>(&HookGetKeyboardLayout)},
                                {"MapVirtualKeyExW", reinterpret_cast<void*>(&HookMapVirtualKeyExW)}};
    return FindNamedHook(kHooks, name);
}

}  // namespace standin
