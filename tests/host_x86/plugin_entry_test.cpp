#include <windows.h>

#include "host/x86/x86_host.h"
#include "host_x86/check.h"
#include "host_x86/worker_double.h"
#include "platform/win32/win32_platform.h"

extern "C" void InitializeASI();

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

// The loader calls once, but a second call must not start a second worker
// over the same game memory.
DK_TEST(InitializeStartsOneWorkerWithTheRealTables) {
    InitializeASI();
    InitializeASI();
    CHECK(WaitForWorkerRuns(1));
    Sleep(100);
    CHECK(workerRecord.runs == 1);
    CHECK(workerRecord.host == &x86::X86Host());
    CHECK(workerRecord.platform == &win32::Win32Platform());
    // Linked into this program, the entry's own module is the program.
    CHECK(win32::moduleHandle == GetModuleHandleA(nullptr));
}
