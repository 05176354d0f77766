// The module's entry points, and the one place that knows every layer: the
// real Windows services and the game layer are put in place here, and the
// worker started. A loader may call DllMain only, InitializeASI too, or call
// either more than once: whichever comes first starts the one worker.
#include <windows.h>

#include "core/plugin_start.h"
#include "core/worker.h"
#include "host/x86/x86_host.h"
#include "platform/win32/win32_platform.h"

namespace {

DWORD WINAPI WorkerMain(LPVOID) {
    dk::InstallHostInterface(&dk::x86::X86Host());
    dk::InstallPlatform(&dk::win32::Win32Platform());
    dk::RunWorker();
    return 0;
}

// A loader that frees the module afterwards (one that probes plug-ins and
// lets them go) must not unmap the code that the worker and the game's
// redirected key-name call run for the rest of the process.
void PinModule() {
    HMODULE pinned = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&WorkerMain), &pinned)) {
        dk::NotePinFailure(GetLastError());
    }
}

// Also runs under the loader lock, from DllMain: nothing here waits, takes a
// lock or touches a file or the game. The new thread itself waits for the
// loader to finish before it runs.
void StartWorker(HMODULE self) {
    dk::win32::moduleHandle = self;
    PinModule();
    CreateThread(nullptr, 0, WorkerMain, nullptr, 0, nullptr);
}

HMODULE ModuleOfThisCode() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&WorkerMain), &self);
    return self;
}

}  // namespace

// Returns at once: all waiting happens on the worker.
extern "C" __declspec(dllexport) void InitializeASI() {
    if (dk::ClaimStart(dk::StartEntry::InitializeASI)) StartWorker(ModuleOfThisCode());
}

// At unload nothing is saved or restored: the worker and the game's key-name
// call may still be running, and the pin keeps the code mapped for them.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH && dk::ClaimStart(dk::StartEntry::DllMain)) StartWorker(instance);
    return TRUE;
}
