#pragma once
// Why the plug-in skips a line of the binding file, in the words that both
// the plug-in's log and dkcheck use.
#include <cstdio>
#include <string>
#include <string_view>

#include "bindings/binding_line.h"

namespace dk {

// printf into a string, for the short texts of a line's description: room
// for two cut texts of PrintableText (60 bytes as \xNN each) and a name.
template <typename... Arguments>
std::string FormatText(const char* format, Arguments... arguments) {
    char buffer[640];
    std::snprintf(buffer, sizeof buffer, format, arguments...);
    return buffer;
}

// A line the plug-in skips although it is neither a comment nor blank: most
// likely a typing mistake that the player would want to hear about.
bool IsProblem(LineOutcome outcome);

// The line's bytes made safe for a terminal or a log: printable ASCII as it
// is, every other byte as \xNN, cut after `limit` bytes with "...".
std::string PrintableText(std::string_view bytes, size_t limit = 60);

// Why a problem line is skipped, for example
// key "Q!" not recognised for 17 MOVE_FORWARD.
std::string SkipReason(const BindingLine& line, std::string_view rawLine);

}  // namespace dk
