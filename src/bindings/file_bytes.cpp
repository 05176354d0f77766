#include "bindings/file_bytes.h"

#include "platform/platform.h"

namespace dk {

namespace {

uint32_t lastFileError = 0;

// Taken at once, before a clean-up call can replace the thread's last error.
bool Failed() {
    lastFileError = Platform().lastError();
    return false;
}

bool WriteAll(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

// The new text must be on the disk before the name points at it, or a power
// cut right after the replace could leave an empty binding file.
bool WriteToDiskAndClose(std::FILE* file, std::string_view bytes) {
    const bool onDisk = WriteAll(file, bytes) && Platform().flushFile(file);
    const bool closed = std::fclose(file) == 0;
    return onDisk && closed;
}

}  // namespace

bool WriteAndClose(std::FILE* file, std::string_view bytes) {
    const bool written = WriteAll(file, bytes);
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

bool ReadStreamBytes(std::FILE* file, std::string& bytes) {
    bytes.clear();
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
        if (TooLargeToRead(bytes.size())) {
            bytes.clear();
            std::fclose(file);
            lastFileError = 0;
            return false;
        }
    }
    if (std::ferror(file)) {
        const size_t lastLineEnd = bytes.rfind('\n');
        bytes.erase(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    std::fclose(file);
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = Platform().openFile(path.c_str(), "rb");
    if (file == nullptr) return Failed();
    return ReadStreamBytes(file, bytes);
}

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = Platform().openFile(temporary.c_str(), "wb");
    if (!file) return Failed();
    if (WriteToDiskAndClose(file, bytes) && Platform().replaceFile(temporary.c_str(), path.c_str())) return true;
    Failed();
    Platform().removeFile(temporary.c_str());
    return false;
}

uint32_t LastFileError() { return lastFileError; }

}  // namespace dk
