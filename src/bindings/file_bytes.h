#pragma once
// Whole-file reads and writes in plain bytes: no text-mode translation, so a
// file reads and writes the same on every platform.
#include <string>
#include <string_view>

namespace dk {

// False when the file cannot be opened. A read error keeps the bytes read
// before it, cut back to the last complete line so that no half line is used.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes `bytes` to path + ".tmp" beside the file, then replaces the file with
// it in one step. On any failure the old file stays as it was, the temporary
// file is removed, and the result is false.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);

}  // namespace dk
