#include "file_calls.h"

#include <cwchar>

#include "iat_patch.h"
#include "virtual_world.h"

namespace standin {
namespace {

FileCallsSeen seen;
bool refusing = false;

bool IsBindingFile(const wchar_t* path) {
    const wchar_t kName[] = L"\\DuskvaleKeys.ini";
    const size_t length = path ? std::wcslen(path) : 0;
    const size_t nameLength = std::wcslen(kName);
    return length >= nameLength && _wcsicmp(path + length - nameLength, kName) == 0;
}

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
    return _wfopen(path, mode);
}

}  // namespace

void* FileCallHookFor(const char* name) {
    const NamedHook kHooks[] = {{"MoveFileExW", reinterpret_cast<void*>(&HookMoveFileExW)},
                                {"_wfopen", reinterpret_cast<void*>(&HookWideOpen)}};
    return FindNamedHook(kHooks, name);
}

void RefuseReplaces(bool refuse) { refusing = refuse; }

const FileCallsSeen& FileCalls() { return seen; }

}  // namespace standin
