#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host_x86/check.h"
#include "platform/win32/win32_platform.h"

using namespace dk;

namespace {

std::string TempPath(const char* name) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "dk_host_x86_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

void WriteText(const std::string& path, const char* text) {
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fputs(text, file);
        std::fclose(file);
    }
}

std::string ReadText(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[64];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
        std::fclose(file);
    }
    return text;
}

bool EndsWith(const std::string& text, const char* tail) {
    const size_t length = std::strlen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

}  // namespace

DK_TEST(EveryPlatformEntryIsFilled) {
    const PlatformInterface& platform = win32::Win32Platform();
    CHECK(platform.tickCount && platform.sleep && platform.isKeyDown);
    CHECK(platform.initLock && platform.enterLock && platform.leaveLock);
    CHECK(platform.isFileMissing && platform.moduleFileName && platform.replaceFile);
}

// A directory in the file's place counts as missing, as an absent path does.
DK_TEST(AFileIsMissingWhenAbsentOrADirectory) {
    const PlatformInterface& platform = win32::Win32Platform();
    const std::string file = TempPath("present.ini");
    const std::string directory = TempPath("folder.ini");
    WriteText(file, "x");
    CreateDirectoryA(directory.c_str(), nullptr);
    CHECK(!platform.isFileMissing(file.c_str()));
    CHECK(platform.isFileMissing(directory.c_str()));
    CHECK(platform.isFileMissing(TempPath("absent.ini").c_str()));
    DeleteFileA(file.c_str());
    RemoveDirectoryA(directory.c_str());
}

DK_TEST(ReplacingAFileTakesTheSourcesPlace) {
    const PlatformInterface& platform = win32::Win32Platform();
    const std::string source = TempPath("new.tmp");
    const std::string destination = TempPath("bindings.ini");
    WriteText(destination, "old");
    WriteText(source, "new");
    CHECK(platform.replaceFile(source.c_str(), destination.c_str()));
    CHECK(ReadText(destination) == "new");
    CHECK(platform.isFileMissing(source.c_str()));
    CHECK(!platform.replaceFile(source.c_str(), destination.c_str()));
    CHECK(ReadText(destination) == "new");
    DeleteFileA(destination.c_str());
}

// Without the plug-in's handle the main module's name stands in.
DK_TEST(TheModuleFileNameComesFromTheModuleHandle) {
    const PlatformInterface& platform = win32::Win32Platform();
    const HMODULE saved = win32::moduleHandle;
    win32::moduleHandle = nullptr;
    CHECK(EndsWith(platform.moduleFileName(), "host_x86_tests.exe"));
    win32::moduleHandle = GetModuleHandleA("kernel32.dll");
    std::string kernel = platform.moduleFileName();
    for (char& c : kernel) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    CHECK(EndsWith(kernel, "kernel32.dll"));
    win32::moduleHandle = saved;
}

DK_TEST(TheClockAdvancesAcrossASleep) {
    const PlatformInterface& platform = win32::Win32Platform();
    const uint32_t before = platform.tickCount();
    platform.sleep(50);
    const uint32_t elapsed = platform.tickCount() - before;
    CHECK(elapsed >= 30 && elapsed < 5000);
}
