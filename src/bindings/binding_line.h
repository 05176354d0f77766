#pragma once
// One line of the binding file, read the way the plug-in reads it at start-up.
// The loader only keeps Bound lines; a checker can report every other outcome.
#include <string>
#include <string_view>
#include <vector>

#include "bindings/action_catalogue.h"

namespace dk {

enum class LineOutcome {
    Bound,             // index and code hold the binding
    Blank,             // nothing but white space
    Comment,           // first non-blank character is '#' or ';'
    NoEquals,          // no '=' anywhere
    IndexNotNumber,    // the text before '=' does not start with a decimal number
    IndexOutOfRange,   // a number, but not 0..59 (also one beyond 32 bits)
    NotMappable,       // 0..59, but not an action the player may rebind
    KeyNotRecognised,  // the text after '=' names no key (also when empty)
};

struct BindingLine {
    LineOutcome outcome = LineOutcome::Blank;
    ActionIndex index = 0;  // the number read; 0 when there is none or it exceeds 32 bits
    KeyCode code = 0;       // meaningful for Bound only
    std::string indexText;  // trimmed text before '=', when there is one
    std::string valueText;  // trimmed text after '=', comment cut away
};

BindingLine ReadBindingLine(const std::string& line);

// Splits the file's bytes into lines at each LF, so CR LF and LF files read
// alike (a CR left at a line's end is white space). A last line without a line
// end counts; a UTF-8 byte-order mark at the very start is dropped, so an
// editor that adds one does not cost the first line.
std::vector<std::string> SplitBindingLines(std::string_view fileBytes);

}  // namespace dk
