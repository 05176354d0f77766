#include "platform/win32/wide_path.h"

#include <windows.h>

namespace dk::win32 {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool HasDrive(const std::wstring& path) {
    return path.size() >= 3 && ((path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z') && path[1] == L':' &&
           IsSeparator(path[2]);
}

// "\\?\" and "\\.\" paths already go to the file system as they stand.
bool IsDevicePath(const std::wstring& path) {
    return path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
           (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3]);
}

// The "\\?\" form takes the path literally, so its separators must be backslashes.
std::wstring Literal(const wchar_t* prefix, const std::wstring& rest) {
    std::wstring result = prefix;
    for (wchar_t c : rest) result += c == L'/' ? L'\\' : c;
    return result;
}

std::wstring Widen(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide.data(), length) != length) {
        return std::wstring();
    }
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

}  // namespace

std::wstring WidePath(const char* utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty() || IsDevicePath(wide)) return wide;
    if (HasDrive(wide)) return Literal(L"\\\\?\\", wide);
    if (wide.size() > 2 && IsSeparator(wide[0]) && IsSeparator(wide[1])) {
        return Literal(L"\\\\?\\UNC\\", wide.substr(2));
    }
    return wide;
}

bool Utf8FromWide(const wchar_t* text, size_t length, std::string& utf8) {
    utf8.clear();
    if (length == 0) return true;
    const int wideLength = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, wideLength, nullptr, 0, nullptr,
                                         nullptr);
    if (size <= 0) return false;
    utf8.resize(static_cast<size_t>(size));
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, wideLength, utf8.data(), size, nullptr,
                               nullptr) == size;
}

}  // namespace dk::win32
