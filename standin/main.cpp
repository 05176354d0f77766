// standin: a 32-bit Windows program that looks like the game to the plug-in.
//   standin scenario <name> <asi>      one end-to-end scenario (exit code 0 = pass)
//   standin demo <asi>                  the pages a player sees, a rebinding, the file
//   standin measure <asi>               the worker's processor time in play and on a page
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "demo.h"
#include "measure.h"
#include "plugin_session.h"
#include "scenarios.h"

namespace {

LONG WINAPI ReportFault(EXCEPTION_POINTERS* info) {
    std::printf("FAIL: unhandled exception 0x%08lx at %p on thread %lu\n", info->ExceptionRecord->ExceptionCode,
                info->ExceptionRecord->ExceptionAddress, GetCurrentThreadId());
    std::fflush(stdout);
    ExitProcess(3);
}

// A run that hangs (in InitializeASI, say, where no script timer reaches) fails
// on its own instead of waiting for the test runner's timeout.
DWORD WINAPI Watchdog(LPVOID) {
    Sleep(120000);
    std::printf("FAIL: the run did not end within 120 s of real time\n");
    std::fflush(stdout);
    ExitProcess(4);
}

int Usage() {
    std::printf("usage: standin scenario <name> <plugin.asi>\n"
                "       standin demo <plugin.asi>\n"
                "       standin measure <plugin.asi>\nscenarios:");
    for (const standin::Scenario& s : standin::kScenarios) std::printf(" %s", s.name);
    std::printf("\n");
    return 2;
}

int RunScenario(const char* name, const standin::RunContext& context) {
    for (const standin::Scenario& s : standin::kScenarios)
        if (std::strcmp(s.name, name) == 0) return s.run(context);
    std::printf("FAIL: no scenario called %s\n", name);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(ReportFault);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    std::string mode = argc > 1 ? argv[1] : "";
    int code = 2;
    if (mode == "scenario" && argc == 4) {
        code = RunScenario(argv[2], {argv[3], standin::ScenarioFolder(argv[2])});
    } else if (mode == "scenario-in" && argc == 5) {
        // A launch in a folder an earlier launch prepared (see second_launch).
        code = RunScenario(argv[2], {argv[3], std::string(argv[4]) + "\\", false});
    } else if (mode == "demo" && argc == 3) {
        code = standin::RunDemo({argv[2], standin::ScenarioFolder("demo")});
    } else if (mode == "measure" && argc == 3) {
        code = standin::RunMeasure({argv[2], standin::ScenarioFolder("measure")});
    } else {
        return Usage();
    }
    std::fflush(stdout);
    // The plug-in's worker is parked inside Sleep and never ends by itself.
    ExitProcess(static_cast<UINT>(code));
}
