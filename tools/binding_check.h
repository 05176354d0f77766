#pragma once
// The whole report of dkcheck for the bytes of one binding file.
#include <string>
#include <string_view>

namespace dk::check {

inline constexpr int kExitClean = 0;
inline constexpr int kExitLinesSkipped = 1;  // a line other than a comment or blank was skipped
inline constexpr int kExitUnreadable = 2;    // the file could not be read, or bad usage

struct CheckReport {
    std::string text;
    int exitCode;
};

// Splits and reads the bytes exactly as the plug-in's loader does. Where the
// player's key has another label than the file's token, the label follows it.
CheckReport CheckBindingFile(std::string_view fileBytes);

}  // namespace dk::check
