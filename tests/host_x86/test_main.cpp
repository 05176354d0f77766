// Runs every registered test and reports the totals; non-zero exit on failure.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "host_x86/check.h"

namespace dk::test {

namespace {

struct TestCase {
    const char* name;
    void (*run)();
};

std::vector<TestCase>& Registry() {
    static std::vector<TestCase> tests;
    return tests;
}

const char* currentTest = "";
int passed = 0;
int failed = 0;

}  // namespace

void Register(const char* name, void (*run)()) { Registry().push_back({name, run}); }

void Check(bool ok, const char* expression, const char* file, int line) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED %s: %s (%s:%d)\n", currentTest, expression, file, line);
}

// A fault no guard caught ends the run with a message and a failing exit
// code; left to Wine, a crash may end the process with exit code 0.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    std::printf("CRASHED in %s: exception %08lx at %p\n", currentTest, exception->ExceptionRecord->ExceptionCode,
                exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stdout);
    ExitProcess(2);
}

}  // namespace dk::test

int main() {
    using namespace dk::test;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    for (const TestCase& test : Registry()) {
        currentTest = test.name;
        test.run();
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}
