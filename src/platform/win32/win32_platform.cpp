#include "platform/win32/win32_platform.h"

#include <io.h>

#include "platform/win32/wide_path.h"

namespace dk::win32 {

HMODULE moduleHandle = nullptr;

namespace {

CRITICAL_SECTION controllerLock;

// Each of these calls its import directly: a host under test replaces the
// import table entries of GetTickCount, Sleep, GetAsyncKeyState, the
// foreground window's and the keyboard layout's calls to drive time and the keyboard.
uint32_t TickCount() { return GetTickCount(); }

void SleepFor(uint32_t milliseconds) { Sleep(milliseconds); }

bool IsKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

void InitLock() { InitializeCriticalSection(&controllerLock); }

void EnterLock() { EnterCriticalSection(&controllerLock); }

void LeaveLock() { LeaveCriticalSection(&controllerLock); }

// Windows allows module paths of up to 32,767 characters.
constexpr DWORD kLongestPath = 32768;

// A buffer that is too small comes back full, possibly without a terminator,
// so only a length below the buffer's size proves the path whole: grow until
// it is. A failed call or a name with no UTF-8 form gives no path at all.
bool ModuleFileName(std::string& path) {
    std::wstring buffer;
    for (DWORD size = MAX_PATH;; size = size * 2 < kLongestPath ? size * 2 : kLongestPath) {
        buffer.assign(size, L'\0');
        const DWORD length = GetModuleFileNameW(moduleHandle, buffer.data(), size);
        if (length == 0) return false;
        if (length < size) return Utf8FromWide(buffer.data(), length, path);
        if (size == kLongestPath) return false;
    }
}

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

// One attributes query: the file is not opened.
FileStamp StampOf(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    const std::wstring wide = WidePath(path);
    if (wide.empty() || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
        return {FileKind::Missing, 0, 0};
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {FileKind::Directory, 0, 0};
    return {FileKind::File, Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
            Join(data.nFileSizeHigh, data.nFileSizeLow)};
}

// The runtime's default sharing lets an editor open the file at the same time.
std::FILE* OpenFile(const char* path, const char* mode) {
    const std::wstring wide = WidePath(path);
    std::wstring wideMode;
    for (const char* c = mode; *c != '\0'; ++c) wideMode += static_cast<wchar_t>(*c);
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), wideMode.c_str());
}

bool RemoveFile(const char* path) {
    const std::wstring wide = WidePath(path);
    return !wide.empty() && DeleteFileW(wide.c_str()) != FALSE;
}

// The runtime's buffer goes to Windows, and Windows writes its cache to the
// disk (FlushFileBuffers on the same handle), so no second open can be refused.
bool FlushFile(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool MoveOver(const char* source, const char* destination) {
    const std::wstring from = WidePath(source);
    const std::wstring to = WidePath(destination);
    return !from.empty() && !to.empty() &&
           MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Keys typed into another program's window are none of the game's business.
uint32_t GameThreadInFront() {
    HWND window = GetForegroundWindow();
    if (window == nullptr) return 0;
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() ? thread : 0;
}

KeyboardLayout LayoutOf(uint32_t threadId) { return reinterpret_cast<KeyboardLayout>(GetKeyboardLayout(threadId)); }

uint32_t MapKey(uint32_t code, KeyMapping mapping, KeyboardLayout layout) {
    return MapVirtualKeyExW(code, static_cast<UINT>(mapping), reinterpret_cast<HKL>(layout));
}

uint32_t LocalTimeOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds;
}

// Wine says what it is through an export of its own, which Windows lacks;
// RtlGetVersion tells Windows's real version, whatever the game's manifest claims.
void SystemDescription(std::string& text) {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    using WineVersion = const char*(CDECL*)();
    using RealVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    if (auto wine = reinterpret_cast<WineVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version")))) {
        text = std::string("under Wine ") + wine();
        return;
    }
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    auto real = reinterpret_cast<RealVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (real == nullptr || real(&version) != 0) {
        text = "on Windows (version unknown)";
        return;
    }
    text = "on Windows " + std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) +
           "." + std::to_string(version.dwBuildNumber);
}

uint32_t LastError() { return GetLastError(); }

// In the player's own language, as Windows words it, without its line end.
void ErrorMessage(uint32_t error, std::string& text) {
    wchar_t buffer[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  buffer, sizeof buffer / sizeof buffer[0], nullptr);
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' '))
        --length;
    if (length == 0 || !Utf8FromWide(buffer, length, text)) text.clear();
}

}  // namespace

const PlatformInterface& Win32Platform() {
    static const PlatformInterface table = {
        .tickCount = TickCount,
        .sleep = SleepFor,
        .isKeyDown = IsKeyDown,
        .initLock = InitLock,
        .enterLock = EnterLock,
        .leaveLock = LeaveLock,
        .moduleFileName = ModuleFileName,
        .fileStamp = StampOf,
        .openFile = OpenFile,
        .flushFile = FlushFile,
        .removeFile = RemoveFile,
        .replaceFile = MoveOver,
        .gameThreadInFront = GameThreadInFront,
        .keyboardLayout = LayoutOf,
        .mapVirtualKey = MapKey,
        .localTimeOfDay = LocalTimeOfDay,
        .systemDescription = SystemDescription,
        .lastError = LastError,
        .errorMessage = ErrorMessage,
    };
    return table;
}

}  // namespace dk::win32
