#include "file_calls.h"

#include <cstdio>
#include <cwchar>

#include "iat_patch.h"
#include "virtual_world.h"

namespace standin {
namespace {

FileCallsSeen seen;
bool refusing = false;
FILE* volatile logFile = nullptr;

bool Named(const wchar_t* path, const wchar_t* name) {
    const size_t length = path ? std::wcslen(path) : 0;
    const size_t nameLength = std::wcslen(name);
    return length >= nameLength && _wcsicmp(path + length - nameLength, name) == 0;
}

bool IsBindingFile(const wchar_t* path) { return Named(path, L"\\DuskvaleKeys.ini"); }

BOOL WINAPI HookMoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
    if (IsBindingFile(to)) {
        seen.replaceTries.push_back(VirtualNow());
        if (refusing) {
            ++seen.refusedReplaces;
            SetLastError(ERROR_SHARING_VIOLATION);
            return FALSE;
        }
    }
    return MoveFileExW(from, to, flags);
}

FILE* __cdecl HookWideOpen(const wchar_t* path, const wchar_t* mode) {
    if (mode && mode[0] == L'r' && IsBindingFile(path)) ++seen.bindingFileReads;
    FILE* file = _wfopen(path, mode);
    if (file && Named(path, L"\\DuskvaleKeys.log")) logFile = file;
    return file;
}

size_t __cdecl HookWrite(const void* data, size_t size, size_t count, FILE* stream) {
    if (stream != nullptr && stream == logFile) {
        InterlockedIncrement(reinterpret_cast<volatile LONG*>(&seen.logWrites));
        if (GetCurrentThreadId() != Hooks().workerId)
            InterlockedIncrement(reinterpret_cast<volatile LONG*>(&seen.logWritesOffWorker));
    }
    return std::fwrite(data, size, count, stream);
}

}  // namespace

void* FileCallHookFor(const char* name) {
    const NamedHook kHooks[] = {{"MoveFileExW", reinterpret_cast<void*>(&HookMoveFileExW)},
                                {"_wfopen", reinterpret_cast<void*>(&HookWideOpen)},
                                {"fwrite", reinterpret_cast<void*>(&HookWrite)}};
    return FindNamedHook(kHooks, name);
}

void RefuseReplaces(bool refuse) { refusing = refuse; }

const FileCallsSeen& FileCalls() { return seen; }

}  // namespace standin
