// The module's entry points: the loader's InitializeASI and the DLL entry.
#include <windows.h>

#include "core/worker.h"
#include "host/x86/x86_host.h"
#include "platform/win32/win32_platform.h"

namespace {

volatile LONG workerStarted = 0;

DWORD WINAPI WorkerMain(LPVOID) {
    dk::InstallHostInterface(&dk::x86::X86Host());
    dk::InstallPlatform(&dk::win32::Win32Platform());
    dk::RunWorker();
    return 0;
}

}  // namespace

// Returns at once: all waiting happens on the worker. A second call would
// start a second worker racing the first over the game's memory, so only the
// first call starts one.
extern "C" __declspec(dllexport) void InitializeASI() {
    if (InterlockedExchange(&workerStarted, 1) != 0) return;
    HMODULE self = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&InitializeASI), &self)) {
        dk::win32::moduleHandle = self;
    }
    CreateThread(nullptr, 0, WorkerMain, nullptr, 0, nullptr);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
