#include "output_file.h"

#include "bindings/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide_path.h"
#endif

namespace dk::check {

namespace {

#ifdef _WIN32
// Wide calls, so a picture goes wherever the command line can name.
std::FILE* OpenForWriting(const std::string& path) {
    const std::wstring wide = win32::WidePath(path.c_str());
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), L"wb");
}

void RemoveFile(const std::string& path) {
    const std::wstring wide = win32::WidePath(path.c_str());
    if (!wide.empty()) DeleteFileW(wide.c_str());
}
#else
std::FILE* OpenForWriting(const std::string& path) { return std::fopen(path.c_str(), "wb"); }
void RemoveFile(const std::string& path) { std::remove(path.c_str()); }
#endif

// Replaces an existing file in one step, as rename does on POSIX systems.
bool MoveOver(const std::string& source, const std::string& destination, std::string& error) {
#ifdef _WIN32
    const std::wstring from = win32::WidePath(source.c_str());
    const std::wstring to = win32::WidePath(destination.c_str());
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE) return true;
    error = GetLastError() == ERROR_ACCESS_DENIED ? "access denied (a folder, or a read-only or open file?)"
                                                  : "Windows error " + std::to_string(GetLastError());
    return false;
#else
    if (std::rename(source.c_str(), destination.c_str()) == 0) return true;
    error = std::strerror(errno);
    return false;
#endif
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
    const std::string temporary = path + ".part";
    std::FILE* file = OpenForWriting(temporary);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    if (!WriteAndClose(file, bytes)) {
        error = std::strerror(errno);
        RemoveFile(temporary);
        return false;
    }
    if (!MoveOver(temporary, path, error)) {
        RemoveFile(temporary);
        return false;
    }
    return true;
}

}  // namespace dk::check
