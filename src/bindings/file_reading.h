#pragma once
// What one read of the binding file found, for the plug-in's log: how many
// bindings it read, and the lines it skipped, each with its reason.
#include <string>
#include <string_view>
#include <vector>

#include "bindings/binding_line.h"

namespace dk {

// The log tells this many skipped lines of a read, then how many more.
inline constexpr int kSkippedLinesTold = 20;

struct FileReading {
    int bound = 0;
    int skipped = 0;
    std::vector<std::string> skippedLines;  // "line 12 skipped: ...", the first kSkippedLinesTold
};

// Counts line `number` (from 1) of a read.
void CountLine(FileReading& reading, int number, const BindingLine& line, std::string_view rawLine);

// Tells the log each skipped line kept, then how many more there were.
void TellSkippedLines(const FileReading& reading);

}  // namespace dk
