#include "log/plugin_log.h"

#include <cstdio>

#include "platform/platform.h"

namespace dk {

namespace {

struct LogState {
    std::FILE* file = nullptr;
    size_t written = 0;
    bool full = false;
};

LogState logState;

constexpr std::string_view kFullLine = "log full";
constexpr size_t kStampLength = 13;  // "HH:MM:SS.mmm "

// How each line that tells of trouble begins, wherever in the plug-in it is written.
constexpr std::string_view kTroubleStarts[] = {
    "game build not recognised", "could not ", "line ", "and ", "binding file too large",
    "fault caught ", "the plug-in's own path cannot", kFullLine,
};

bool IsStamp(std::string_view text) {
    constexpr std::string_view kForm = "00:00:00.000 ";
    if (text.size() < kForm.size()) return false;
    for (size_t i = 0; i < kForm.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kForm[i] == '0' ? !digit : text[i] != kForm[i]) return false;
    }
    return true;
}

std::string TimeStamped(std::string_view text) {
    const uint32_t ms = Platform().localTimeOfDay();
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02u:%02u:%02u.%03u ", static_cast<unsigned>(ms / 3600000 % 24),
                  static_cast<unsigned>(ms / 60000 % 60), static_cast<unsigned>(ms / 1000 % 60),
                  static_cast<unsigned>(ms % 1000));
    std::string line = stamp;
    line += text;
    line += "\r\n";
    return line;
}

// Through the runtime's buffer to Windows at once: a crash a moment later
// leaves the line in the file.
bool WriteThrough(const std::string& line) {
    return std::fwrite(line.data(), 1, line.size(), logState.file) == line.size() && std::fflush(logState.file) == 0;
}

}  // namespace

bool OpenPluginLog(const std::string& path) {
    ClosePluginLog();
    logState.file = Platform().openFile(path.c_str(), "wb");
    return logState.file != nullptr;
}

void LogLine(std::string_view text) {
    if (logState.file == nullptr || logState.full) return;
    std::string line = TimeStamped(text);
    // Every line before this one left room for the last.
    if (logState.written + line.size() > kLogByteLimit - TimeStamped(kFullLine).size()) {
        line = TimeStamped(kFullLine);
        logState.full = true;
    }
    // A disk that takes no more ends the log for this start, not the plug-in.
    if (!WriteThrough(line)) {
        ClosePluginLog();
        return;
    }
    logState.written += line.size();
}

std::string_view LogLineText(std::string_view line) { return IsStamp(line) ? line.substr(kStampLength) : line; }

bool ReportsTrouble(std::string_view line) {
    const std::string_view text = LogLineText(line);
    for (std::string_view start : kTroubleStarts)
        if (text.starts_with(start)) return true;
    return false;
}

std::string WindowsErrorText(uint32_t error) {
    std::string message;
    Platform().errorMessage(error, message);
    return "Windows error " + std::to_string(error) + (message.empty() ? "" : ": " + message);
}

std::string CountOf(int count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

void ClosePluginLog() {
    if (logState.file != nullptr) std::fclose(logState.file);
    logState = LogState{};
}

}  // namespace dk
