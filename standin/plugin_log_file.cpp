#include "plugin_log_file.h"

#include <windows.h>

#include "checks.h"
#include "file_calls.h"
#include "log/plugin_log.h"

namespace standin {

std::string LogPath(const Session& session) { return session.folder + "DuskvaleKeys.log"; }

std::string StartedLine(const Session& session) {
    wchar_t wide[MAX_PATH] = {};
    GetModuleFileNameW(session.module, wide, MAX_PATH);
    char path[4 * MAX_PATH] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, path, sizeof path, nullptr, nullptr);
    using WineVersion = const char*(CDECL*)();
    auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return std::string("DuskvaleKeys " DK_VERSION " started: ") + path + ", from DllMain, under Wine " +
           (wine ? wine() : "?");
}

std::vector<std::string> LogLines(const Session& session) {
    const std::string bytes = ReadFile(LogPath(session));
    std::vector<std::string> lines;
    bool wellFormed = bytes.substr(0, 3) != "\xEF\xBB\xBF";
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            wellFormed = false;
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        const std::string_view text = dk::LogLineText(line);
        wellFormed = wellFormed && text.size() < line.size();
        lines.emplace_back(text);
        start = end + 2;
    }
    Check(wellFormed, "each line of the log starts with HH:MM:SS.mmm and ends with CR LF, no byte-order mark");
    return lines;
}

std::string SystemWordsFor(unsigned long error) {
    wchar_t wide[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, wide,
                                  512, nullptr);
    while (length > 0 && (wide[length - 1] == L'\r' || wide[length - 1] == L'\n' || wide[length - 1] == L' ')) --length;
    char text[2048] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text, sizeof text - 1, nullptr, nullptr);
    return text;
}

void CheckLogHolds(const Session& session, const std::vector<std::string>& inOrder, const std::string& what) {
    const std::vector<std::string> lines = LogLines(session);
    size_t next = 0;
    for (const std::string& line : lines)
        if (next < inOrder.size() && line == inOrder[next]) ++next;
    std::string all;
    for (const std::string& line : lines) all += "\n    | " + line;
    Check(next == inOrder.size(), what + (next < inOrder.size() ? " (missing: \"" + inOrder[next] + "\")" + all : ""));
}

int CountLogLines(const Session& session, const std::string& prefix) {
    int count = 0;
    for (const std::string& line : LogLines(session)) count += line.rfind(prefix, 0) == 0;
    return count;
}

void CheckLogWrittenByWorkerOnly() {
    Check(FileCalls().logWrites > 0 && FileCalls().logWritesOffWorker == 0,
          "the log is written by the plug-in's worker thread alone (" + std::to_string(FileCalls().logWrites) +
              " writes, " + std::to_string(FileCalls().logWritesOffWorker) + " from other threads)");
}

}  // namespace standin
