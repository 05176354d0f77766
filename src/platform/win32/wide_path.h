#pragma once
// UTF-8 paths of the portable code, turned into what the wide Windows calls take.
#include <string>

namespace dk::win32 {

// The path for a wide file call. An absolute path (drive or network share) is
// given the "\\?\" form, so a path beyond the old 260-character limit works
// without the system's long-path setting. Empty when the text is not UTF-8.
std::wstring WidePath(const char* utf8);

// Wide text from Windows as UTF-8. False when it has no UTF-8 form (a lone
// surrogate, which a Windows file name may hold).
bool Utf8FromWide(const wchar_t* text, size_t length, std::string& utf8);

}  // namespace dk::win32
