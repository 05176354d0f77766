#pragma once
// Whole-file reads and writes in plain bytes: no text-mode translation, so a
// file reads and writes the same on every platform. Files are opened through
// the platform table, which takes UTF-8 paths.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace dk {

// A binding file is about 7 KB. A file larger than this is something else in
// its place (a copy gone wrong, a disk error), and reading it whole into the
// game's 32-bit process could stall the game or end it: it is never read.
inline constexpr uint64_t kLargestReadableFile = 1024 * 1024;

constexpr bool TooLargeToRead(uint64_t size) { return size > kLargestReadableFile; }

// Reads an open file to its end and closes it. A read error keeps the bytes
// read before it, cut back to the last complete line so that no half line is
// used. False, with no bytes, when the file turns out too large to read: the
// read stops there.
bool ReadStreamBytes(std::FILE* file, std::string& bytes);

// False when the file cannot be opened or is too large; otherwise as ReadStreamBytes.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes all of `bytes`, flushes and closes the file; false if any step failed.
bool WriteAndClose(std::FILE* file, std::string_view bytes);

// Writes `bytes` to path + ".tmp" beside the file, flushes it to the disk,
// then replaces the file with it in one step. On any failure the old file
// stays as it was, the temporary file is removed, and the result is false.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);

// Why the last ReadFileBytes or ReplaceFileBytes that failed did: the Windows
// error of the step that failed, 0 for a file too large to read.
uint32_t LastFileError();

}  // namespace dk
