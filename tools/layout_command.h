#pragma once
// dkcheck --svg OUT (FILE | --defaults): the picture of a layout, written to OUT.
#include <string>
#include <string_view>

namespace dk::check {

inline constexpr const char* kSvgOption = "--svg";
inline constexpr const char* kDefaultsOption = "--defaults";

// Exit status as for the line-by-line check: 0, or 1 when a line of the file
// was skipped; 2 when the picture could not be written.
int DrawDefaultLayout(const std::string& outPath);
int DrawFileLayout(const std::string& outPath, const std::string& filePath, std::string_view fileBytes);

// The same picture without the messages of success: false (and why, on
// standard error) when it could not be written. `skipped` counts the lines of
// the file that were skipped.
bool WriteFileLayout(const std::string& outPath, const std::string& filePath, std::string_view fileBytes,
                     int& skipped);

}  // namespace dk::check
