#include "bindings/file_reading.h"

#include "bindings/skipped_line.h"
#include "log/plugin_log.h"

namespace dk {

void CountLine(FileReading& reading, int number, const BindingLine& line, std::string_view rawLine) {
    if (line.outcome == LineOutcome::Bound) ++reading.bound;
    if (!IsProblem(line.outcome)) return;
    if (++reading.skipped <= kSkippedLinesTold) {
        reading.skippedLines.push_back("line " + std::to_string(number) + " skipped: " + SkipReason(line, rawLine));
    }
}

void TellSkippedLines(const FileReading& reading) {
    for (const std::string& line : reading.skippedLines) LogLine(line);
    const int more = reading.skipped - static_cast<int>(reading.skippedLines.size());
    if (more > 0) LogLine("and " + CountOf(more, "more line") + " skipped");
}

}  // namespace dk
