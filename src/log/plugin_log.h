#pragma once
// The plug-in's log, beside the module under its name with ".log": what the
// plug-in did at this start and, above all, why it could not do something,
// for a player to open. Replaced at each start; one line per event, each in
// the file before the plug-in goes on, so a log read while the game runs or
// after it crashed is whole. Only the worker writes it, and never while it
// holds ControllerLock; a tick with nothing to tell touches no file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dk {

// All the bytes one start may write, the last line included.
inline constexpr size_t kLogByteLimit = 64 * 1024;

// Replaces the log of the previous start. False when it cannot be created (a
// read-only folder, a file another program holds): the log then stays off for
// this start, and the file that was there is left as it was.
bool OpenPluginLog(const std::string& path);

// One line: the local time as HH:MM:SS.mmm, a space, the text and CR LF. A
// line that would not leave room for the line "log full" is replaced by it,
// and nothing more is written at this start.
void LogLine(std::string_view text);

// A line's text without its time stamp; a line without one as it is.
std::string_view LogLineText(std::string_view line);

// The line (with or without its time stamp) tells of trouble: something the
// plug-in could not do, a line it skipped, a file too large, a fault caught,
// another game build, or the log's end. dkcheck shows a player these.
bool ReportsTrouble(std::string_view line);

// "Windows error 5: Access is denied." for the error's number.
std::string WindowsErrorText(uint32_t error);

// "1 binding", "3 bindings": a count and its noun, as a line says it.
std::string CountOf(int count, std::string_view noun);

// Back to no log, the file closed. For tests.
void ClosePluginLog();

}  // namespace dk
