#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace dk::check {

namespace {

bool WriteAndClose(std::FILE* file, std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

// Replaces an existing file in one step, as rename does on POSIX systems.
bool MoveOver(const std::string& source, const std::string& destination, std::string& error) {
#ifdef _WIN32
    if (MoveFileExA(source.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE) return true;
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
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    if (!WriteAndClose(file, bytes)) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    if (!MoveOver(temporary, path, error)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace dk::check
