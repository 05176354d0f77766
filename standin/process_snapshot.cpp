#include "process_snapshot.h"

#include <windows.h>
#include <tlhelp32.h>

namespace standin {
namespace {

int CountSnapshot(DWORD kind) {
    HANDLE snapshot = CreateToolhelp32Snapshot(kind, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    if (kind == TH32CS_SNAPMODULE) {
        MODULEENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry)) ++count;
    } else {
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
            count += entry.th32OwnerProcessID == GetCurrentProcessId();
    }
    CloseHandle(snapshot);
    return count;
}

}  // namespace

int CountThreads() { return CountSnapshot(TH32CS_SNAPTHREAD); }

int CountModules() { return CountSnapshot(TH32CS_SNAPMODULE); }

}  // namespace standin
