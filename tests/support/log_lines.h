#pragma once
// The plug-in's log as a test reads it back: its lines without their time
// stamps, each stamp checked for its form on the way.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "log/plugin_log.h"

namespace dk::fake {

inline std::vector<std::string> LogLinesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        const std::string line = bytes.substr(start, end - start);
        const std::string_view text = LogLineText(line);
        EXPECT_LT(text.size(), line.size()) << "a time stamp HH:MM:SS.mmm starts: " << line;
        lines.emplace_back(text);
        start = end + 2;
    }
    return lines;
}

}  // namespace dk::fake
