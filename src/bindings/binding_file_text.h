#pragma once
#include <string>
#include <string_view>

namespace dk {

// The rule above and below the file's section titles.
inline constexpr std::string_view kSectionRule = "# ------------------------------";

// Every line ends in CR LF, written as bytes, so the file is the same whichever
// platform wrote it.
inline void AppendLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

}  // namespace dk
