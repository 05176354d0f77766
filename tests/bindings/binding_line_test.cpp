#include "bindings/binding_line.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

using enum LineOutcome;

struct LineCase {
    const char* line;
    LineOutcome outcome;
    ActionIndex index;  // checked for Bound, NotMappable and KeyNotRecognised
    KeyCode code;       // checked for Bound
};

const LineCase kLineCases[] = {
    {"17=W", Bound, 17, 17},
    {"  17 = W  ", Bound, 17, 17},
    {"17\t=\tW", Bound, 17, 17},
    {"17=W ; MOVE_FORWARD", Bound, 17, 17},
    {"17=W # note", Bound, 17, 17},
    {"17=W\r", Bound, 17, 17},
    {"17abc=W", Bound, 17, 17},          // the index stops at the first non-digit
    {"0x11=W", Bound, 0, 17},            // ... so hexadecimal reads as 0
    {"+17=W", Bound, 17, 17},
    {"017=W", Bound, 17, 17},            // decimal, not octal
    {"29=-28", Bound, 29, MOUSE_X1},
    {"29=MOUSE_X1", Bound, 29, MOUSE_X1},
    {"29=mouse x1", Bound, 29, MOUSE_X1},
    {"53=-99", Bound, 53, -99},
    {"12=NONE", Bound, 12, 0},
    {"12=0", Bound, 12, 0},
    {"39=KEY_1", Bound, 39, 2},
    {"0=SPACE=x", KeyNotRecognised, 0, 0},  // the value is everything after the first '='
    {"", Blank, 0, 0},
    {" \t\r\v\f", Blank, 0, 0},
    {"# 17=W", Comment, 0, 0},
    {"   # 17=W", Comment, 0, 0},
    {"\t; 17=W", Comment, 0, 0},
    {"[Keys]", NoEquals, 0, 0},
    {"17 W", NoEquals, 0, 0},
    {"=W", IndexNotNumber, 0, 0},
    {"abc=W", IndexNotNumber, 0, 0},
    {"+=W", IndexNotNumber, 0, 0},
    {"- 17=W", IndexNotNumber, 0, 0},
    {"\xEF\xBB\xBF" "17=W", IndexNotNumber, 0, 0},  // a mark inside the text is not white space
    {"6=W", NotMappable, 6, 0},
    {"59=W", NotMappable, 59, 0},
    {"60=W", IndexOutOfRange, 0, 0},
    {"-1=W", IndexOutOfRange, 0, 0},
    {"2147483647=W", IndexOutOfRange, 0, 0},
    {"-2147483648=W", IndexOutOfRange, 0, 0},
    {"2147483648=W", IndexOutOfRange, 0, 0},   // beyond 32 bits
    {"99999999999=W", IndexOutOfRange, 0, 0},
    {"4294967313=W", IndexOutOfRange, 0, 0},   // 2^32 + 17 must not wrap to 17
    {"17=", KeyNotRecognised, 17, 0},
    {"17=   ; MOVE_FORWARD", KeyNotRecognised, 17, 0},
    {"17=BOGUS", KeyNotRecognised, 17, 0},
    {"17=unsupported", KeyNotRecognised, 17, 0},
};

TEST(BindingLine, EveryKindOfLine) {
    for (const LineCase& c : kLineCases) {
        const BindingLine line = ReadBindingLine(c.line);
        EXPECT_EQ(line.outcome, c.outcome) << '"' << c.line << '"';
        if (c.outcome == Bound || c.outcome == NotMappable || c.outcome == KeyNotRecognised) {
            EXPECT_EQ(line.index, c.index) << '"' << c.line << '"';
        }
        if (c.outcome == Bound) {
            EXPECT_EQ(line.code, c.code) << '"' << c.line << '"';
        }
    }
}

TEST(BindingLine, KeepsTheTextsForAReport) {
    const BindingLine line = ReadBindingLine("  17x = bogus key ; MOVE_FORWARD\r");
    EXPECT_EQ(line.outcome, KeyNotRecognised);
    EXPECT_EQ(line.indexText, "17x");
    EXPECT_EQ(line.valueText, "bogus key");
}

TEST(SplitBindingLines, LineEnds) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"\xEF\xBB\xBF" "a\nb", {"a", "b"}},
        {"\xEF\xBB\xBF", {}},
        {"a\n\xEF\xBB\xBF" "b", {"a", "\xEF\xBB\xBF" "b"}},  // only a mark at the very start is dropped
        {"\xEF\xBB" "a", {"\xEF\xBB" "a"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitBindingLines(c.bytes), c.lines) << '"' << c.bytes << '"';
}

}  // namespace
}  // namespace dk
