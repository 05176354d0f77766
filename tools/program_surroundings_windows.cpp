#include <windows.h>

#include "platform/win32/wide_path.h"
#include "program_surroundings.h"

namespace dk::check {

std::string ProgramPath() {
    // The longest path Windows has: no name can be cut short in this buffer.
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::string path;
    if (length == 0 || length >= buffer.size() || !win32::Utf8FromWide(buffer.data(), length, path)) return "";
    return path;
}

bool HasConsoleOfItsOwn() {
    // A prompt or a script shares its console with dkcheck; one process more is enough.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) != 1) return false;
    DWORD mode;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != FALSE &&
           GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != FALSE;
}

}  // namespace dk::check
