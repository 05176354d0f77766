#include <windows.h>

#include "core/plugin_start.h"
#include "host/x86/x86_host.h"
#include "host_x86/check.h"
#include "host_x86/worker_double.h"
#include "platform/win32/win32_platform.h"

extern "C" void InitializeASI();
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID);

using namespace dk;
using namespace dk::test;

namespace {

bool WaitForWorkerRuns(LONG runs) {
    for (int waited = 0; waited < 5000; waited += 10) {
        if (workerRecord.runs >= runs) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

// Linked into this program, the entry's own module is the program; the DLL
// entry is called here as the Windows loader would call it.
DK_TEST(EitherEntryStartsOneWorkerWithTheRealTables) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (DWORD reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
        CHECK(DllMain(self, reason, nullptr));
    }
    Sleep(100);
    CHECK(workerRecord.runs == 0);
    CHECK(StartedFrom() == StartEntry::None);

    CHECK(DllMain(self, DLL_PROCESS_ATTACH, nullptr));
    InitializeASI();
    InitializeASI();
    CHECK(WaitForWorkerRuns(1));
    Sleep(100);
    CHECK(workerRecord.runs == 1);
    CHECK(StartedFrom() == StartEntry::DllMain);
    CHECK(TakeLateInitializeCall());
    CHECK(workerRecord.host == &x86::X86Host());
    CHECK(workerRecord.platform == &win32::Win32Platform());
    CHECK(win32::moduleHandle == self);
    CHECK(PinFailure() == 0);
}
