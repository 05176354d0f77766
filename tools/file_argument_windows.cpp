#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <cwchar>

#include "file_argument.h"
#include "platform/win32/wide_path.h"

namespace dk::check {

// The 8-bit argv has already lost every character outside the code page.
std::vector<std::string> Utf8Arguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 0; i < count; ++i) {
        std::string argument;
        // A name with no UTF-8 form cannot be opened through this path: an
        // empty argument then fails to open and says so.
        win32::Utf8FromWide(wide[i], wcslen(wide[i]), argument);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    return arguments;
}

std::FILE* OpenForReading(const std::string& path) {
    const std::wstring wide = win32::WidePath(path.c_str());
    if (wide.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    return _wfopen(wide.c_str(), L"rb");
}

bool IsFolder(const std::string& path) {
    const std::wstring wide = win32::WidePath(path.c_str());
    const DWORD attributes = wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace dk::check
