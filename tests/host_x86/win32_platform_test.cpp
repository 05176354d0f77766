#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host_x86/check.h"
#include "platform/win32/wide_path.h"
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
    CHECK(platform.moduleFileName && platform.fileStamp && platform.openFile && platform.flushFile &&
          platform.removeFile && platform.replaceFile);
    CHECK(platform.gameThreadInFront && platform.keyboardLayout && platform.mapVirtualKey);
    CHECK(platform.localTimeOfDay && platform.systemDescription && platform.lastError && platform.errorMessage);
}

// What the log says of the system and of a failure: the tests run under Wine.
DK_TEST(TheLogLearnsTheSystemAndTheWordsForAnError) {
    const PlatformInterface& platform = win32::Win32Platform();
    std::string text;
    platform.systemDescription(text);
    CHECK(text.rfind("under Wine ", 0) == 0 && text.size() > 11);
    CHECK(platform.localTimeOfDay() < 24u * 60 * 60 * 1000);
    CHECK(platform.openFile("Z:\\no such folder\\x.ini", "rb") == nullptr);
    const uint32_t error = platform.lastError();
    CHECK(error == ERROR_PATH_NOT_FOUND);
    platform.errorMessage(error, text);
    CHECK(!text.empty() && text.back() != '\n' && text.back() != '\r' && text.back() != ' ');
    platform.errorMessage(0xDEADBEEF, text);
    CHECK(text.empty());
}

// This program has no window: whatever is in front (the desktop, a console,
// or nothing) is not the game's.
DK_TEST(NoWindowOfThisProcessIsInFront) {
    CHECK(win32::Win32Platform().gameThreadInFront() == 0);
}

// Windows' own translations, in the modes the portable code asks for.
DK_TEST(TheLayoutTranslatesCharacterKeys) {
    const PlatformInterface& platform = win32::Win32Platform();
    const KeyboardLayout layout = platform.keyboardLayout(0);
    CHECK(layout != 0);
    const uint32_t placeOfA = platform.mapVirtualKey('A', KeyMapping::VirtualKeyToScanCode, layout);
    CHECK(platform.mapVirtualKey(placeOfA, KeyMapping::ScanCodeToVirtualKey, layout) == 'A');
    CHECK(platform.mapVirtualKey('A', KeyMapping::VirtualKeyToCharacter, layout) == 'A');
    // US English, as a fresh Wine prefix has it.
    if ((layout & 0xFFFF) == 0x0409) {
        CHECK(placeOfA == 30);
        CHECK(platform.mapVirtualKey(17, KeyMapping::ScanCodeToVirtualKey, layout) == 'W');
        CHECK(platform.mapVirtualKey(0xBA, KeyMapping::VirtualKeyToCharacter, layout) == ';');
    }
}

DK_TEST(WidePathsTakeTheLongFormWhenAbsolute) {
    const struct {
        const char* utf8;
        const wchar_t* wide;
    } cases[] = {
        {"C:\\Games\\Keys.ini", L"\\\\?\\C:\\Games\\Keys.ini"},
        {"c:/Games/Keys.ini", L"\\\\?\\c:\\Games\\Keys.ini"},
        {"\\\\server\\share\\Keys.ini", L"\\\\?\\UNC\\server\\share\\Keys.ini"},
        {"\\\\?\\C:\\Keys.ini", L"\\\\?\\C:\\Keys.ini"},
        {"Keys.ini", L"Keys.ini"},
        {"C:\\Игры 游戏\\Keys.ini", L"\\\\?\\C:\\\u0418\u0433\u0440\u044b \u6e38\u620f\\Keys.ini"},
        {"C:\\\xff.ini", L""},  // not UTF-8
    };
    for (const auto& c : cases) CHECK(win32::WidePath(c.utf8) == c.wide);
    std::string utf8;
    const wchar_t loneSurrogate[] = {L'a', 0xD800, L'b'};
    CHECK(!win32::Utf8FromWide(loneSurrogate, 3, utf8));
    CHECK(win32::Utf8FromWide(L"\u6e38.ini", 5, utf8) && utf8 == "游.ini");
}

// A name outside every 8-bit code page: stamp, write, replace, read, remove.
DK_TEST(FileCallsTakeAnyName) {
    const PlatformInterface& platform = win32::Win32Platform();
    const std::string file = TempPath("Игры_游戏.ini");
    const std::string source = file + ".tmp";
    CHECK(platform.fileStamp(file.c_str()).kind == FileKind::Missing);
    for (const char* text : {"old", "newer"}) {
        std::FILE* out = platform.openFile(source.c_str(), "wb");
        CHECK(out != nullptr);
        if (out == nullptr) return;
        std::fputs(text, out);
        CHECK(platform.flushFile(out));
        CHECK(platform.fileStamp(source.c_str()).size == std::strlen(text));  // out of the runtime's buffer
        std::fclose(out);
        CHECK(platform.replaceFile(source.c_str(), file.c_str()));
    }
    const FileStamp stamp = platform.fileStamp(file.c_str());
    CHECK(stamp.kind == FileKind::File && stamp.size == 5 && stamp.lastWrite != 0);
    CHECK(platform.fileStamp(source.c_str()).kind == FileKind::Missing);
    std::FILE* in = platform.openFile(file.c_str(), "rb");
    char text[8] = {};
    CHECK(in != nullptr && std::fread(text, 1, sizeof text, in) == 5 && std::string(text) == "newer");
    if (in != nullptr) std::fclose(in);
    CHECK(platform.removeFile(file.c_str()));
    CHECK(!platform.removeFile(file.c_str()));
    CHECK(platform.fileStamp(file.c_str()).kind == FileKind::Missing);
}

DK_TEST(ADirectoryIsNoFile) {
    const PlatformInterface& platform = win32::Win32Platform();
    const std::string directory = TempPath("folder.ini");
    CreateDirectoryA(directory.c_str(), nullptr);
    CHECK(platform.fileStamp(directory.c_str()).kind == FileKind::Directory);
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
    CHECK(platform.fileStamp(source.c_str()).kind == FileKind::Missing);
    CHECK(!platform.replaceFile(source.c_str(), destination.c_str()));
    CHECK(ReadText(destination) == "new");
    DeleteFileA(destination.c_str());
}

// Without the plug-in's handle the main module's name stands in.
DK_TEST(TheModuleFileNameComesFromTheModuleHandle) {
    const PlatformInterface& platform = win32::Win32Platform();
    const HMODULE saved = win32::moduleHandle;
    win32::moduleHandle = nullptr;
    std::string name;
    CHECK(platform.moduleFileName(name) && EndsWith(name, "host_x86_tests.exe"));
    win32::moduleHandle = GetModuleHandleA("kernel32.dll");
    CHECK(platform.moduleFileName(name));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    CHECK(EndsWith(name, "kernel32.dll"));
    win32::moduleHandle = saved;
}

DK_TEST(TheClockAdvancesAcrossASleep) {
    const PlatformInterface& platform = win32::Win32Platform();
    const uint32_t before = platform.tickCount();
    platform.sleep(50);
    const uint32_t elapsed = platform.tickCount() - before;
    CHECK(elapsed >= 30 && elapsed < 5000);
}
