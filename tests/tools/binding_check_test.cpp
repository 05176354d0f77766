#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "binding_check.h"
#include "binding_summary.h"
#include "key_labels.h"
#include "key_labels_test_env.h"
#include "keys/binding_tokens.h"
#include "keys/keyboard_layout.h"
#include "line_report.h"
#include "support/fake_platform.h"

namespace dk::check {
namespace {

struct LineCase {
    const char* line;
    const char* description;
    bool problem;
};

TEST(LineReport, SaysWhatEachLineBindsOrWhyItIsSkipped) {
    const LineCase cases[] = {
        {"   ", "blank", false},
        {"  # 17 = MOVE FORWARD", "comment", false},
        {"; old", "comment", false},
        {"17=W ; MOVE_FORWARD", "binds 17 MOVE_FORWARD to W (17)", false},
        {"29 = -28", "binds 29 RUN to MOUSE_X1 (-28)", false},
        {"0x11=W", "binds 0 USE to W (17)  [index \"0x11\" read as 0]", false},
        {"+17=W", "binds 17 MOVE_FORWARD to W (17)  [index \"+17\" read as 17]", false},
        {"[Keys]", "skipped: no '=' in \"[Keys]\"", true},
        {"run=W", "skipped: index \"run\" is not a number", true},
        {"60=W", "skipped: index \"60\" is out of range (0..59)", true},
        {"99999999999=W", "skipped: index \"99999999999\" is out of range (0..59)", true},
        {"6=W", "skipped: index 6 is not a mappable action", true},
        {"17=WW", "skipped: key \"WW\" not recognised for 17 MOVE_FORWARD", true},
        {"17= ; nothing", "skipped: no key given for 17 MOVE_FORWARD", true},
        {"17=\xC4\x01", "skipped: key \"\\xC4\\x01\" not recognised for 17 MOVE_FORWARD", true},
    };
    for (const LineCase& c : cases) {
        const BindingLine line = ReadBindingLine(c.line);
        EXPECT_EQ(DescribeLine(line, c.line), c.description) << c.line;
        EXPECT_EQ(IsProblem(line.outcome), c.problem) << c.line;
    }
}

TEST(LineReport, CutsLongTextForTheTerminal) {
    EXPECT_EQ(PrintableText("abcdef", 4), "abcd...");
    EXPECT_EQ(PrintableText("a\tb", 4), "a\\x09b");
}

std::vector<BindingLine> Read(const std::vector<std::string>& texts) {
    std::vector<BindingLine> lines;
    for (const std::string& text : texts) lines.push_back(ReadBindingLine(text));
    return lines;
}

const ActionResult& ResultFor(const ActionResults& results, ActionIndex index) {
    for (const ActionResult& result : results) {
        if (result.index == index) return result;
    }
    throw std::runtime_error("not a mappable action");
}

TEST(BindingSummary, LaterLineWinsAndSkippedLineChangesNothing) {
    const ActionResults results = ResultingBindings(Read({"17=W", "18=S", "17=A", "18=NOPE"}));
    EXPECT_EQ(ResultFor(results, 17).code, 30);
    EXPECT_EQ(ResultFor(results, 17).lineNumber, 3u);
    EXPECT_EQ(ResultFor(results, 18).code, 31);
    EXPECT_EQ(ResultFor(results, 18).lineNumber, 2u);
    EXPECT_FALSE(ResultFor(results, 0).setByFile);
}

std::string RowOf(const std::string& table, const char* head) {
    const size_t start = table.find(head);
    if (start == std::string::npos) return "";
    return table.substr(start, table.find('\n', start) - start);
}

TEST(BindingSummary, MarksSharedKeysAsTheGameSeesThem) {
    // 222 and -34 are the same byte in the game's table, and so are an older
    // file's -99 and RCONTROL; NONE is no key at all.
    const std::string table = DescribeBindings(ResultingBindings(
        Read({"9=222", "53=MOUSE_LEFT", "12=NONE", "48=0", "17=W", "38=-99", "29=RCONTROL", "41=PgUp"})));
    EXPECT_NE(RowOf(table, "   9 PUNCH_ATTACK").find("shares its key with 53 EXECUTE"), std::string::npos);
    EXPECT_NE(RowOf(table, "  53 EXECUTE").find("shares its key with 9 PUNCH_ATTACK"), std::string::npos);
    EXPECT_EQ(RowOf(table, "  12 GRAPPLE").find("shares"), std::string::npos);
    EXPECT_EQ(RowOf(table, "  17 MOVE_FORWARD").find("shares"), std::string::npos);
    EXPECT_NE(RowOf(table, "   0 USE").find("not set by the file"), std::string::npos);
    EXPECT_NE(RowOf(table, "  38 LOOKAROUND_FP").find("RCONTROL"), std::string::npos);
    EXPECT_NE(RowOf(table, "  38 LOOKAROUND_FP").find("shares its key with 29 RUN"), std::string::npos);
    EXPECT_NE(RowOf(table, "  41 INVENTORY_SLOT_3").find("PRIOR"), std::string::npos);
}

TEST(BindingSummary, NotesCodesTheGameCutsToOneByte) {
    const std::string table = DescribeBindings(ResultingBindings(Read({"17=999", "18=157"})));
    EXPECT_NE(RowOf(table, "  17 MOVE_FORWARD").find("only byte 0xE7"), std::string::npos);
    EXPECT_EQ(RowOf(table, "  18 MOVE_BACKWARDS").find("only byte"), std::string::npos);
}

TEST(BindingCheck, FailsOnlyWhenAUsefulLineWasSkipped) {
    EXPECT_EQ(CheckBindingFile("# header\r\n\r\n17=W ; MOVE_FORWARD\r\n").exitCode, kExitClean);
    EXPECT_EQ(CheckBindingFile("").exitCode, kExitClean);
    EXPECT_EQ(CheckBindingFile("17=W\n6=W\n").exitCode, kExitLinesSkipped);
}

TEST(BindingCheck, NumbersLinesAsTheEditorShowsThem) {
    // The byte-order mark is no line of its own, and a last line without an end counts.
    const CheckReport report = CheckBindingFile("\xEF\xBB\xBF# keys\r\n17=W\r\n60=S");
    EXPECT_NE(report.text.find("    1  comment\n"), std::string::npos);
    EXPECT_NE(report.text.find("    2  binds 17 MOVE_FORWARD to W (17)\n"), std::string::npos);
    EXPECT_NE(report.text.find("    3  skipped: index \"60\""), std::string::npos);
    EXPECT_NE(report.text.find("Lines: 1 bound, 1 comment or blank, 1 skipped\n"), std::string::npos);
}

// The plug-in's default layout, as a binding file.
std::string DefaultLayoutFile() {
    std::string file;
    for (const CatalogueEntry& entry : ActionCatalogue) {
        file += std::to_string(entry.index) + "=" + FormatKeyToken(entry.defaultCode) + "\n";
    }
    return file;
}

class KeyLabelsReport : public KeyLabelsTest {};

struct LabelCase {
    KeyboardLayout layout;
    std::string file;
    std::vector<std::string> says;
};

TEST_F(KeyLabelsReport, ThePlayersLabelFollowsTheTokenWhereTheyDiffer) {
    const LabelCase cases[] = {
        {fake::kAzertyLayout, DefaultLayoutFile(),
         {"Your keyboard: keyboard layout 040C040C", "binds 17 MOVE_FORWARD to W (your key Z) (17)\n",
          "binds 19 MOVE_LEFT_STRAFE to A (your key Q) (30)\n", "binds 24 MENU to ESCAPE (1)\n",
          "  17 MOVE_FORWARD       W (your key Z) line 12\n", "  19 MOVE_LEFT_STRAFE   A (your key Q) line 14\n",
          "  24 MENU               ESCAPE         line 18\n"}},
        {fake::kAzertyLayout, "40=APOSTROPHE\n12=MINUS\n12=286\n",
         {"to APOSTROPHE (your key \xC3\x99) (40)", "to MINUS (your key )) (12)",
          "  12 GRAPPLE            286 (your key Q)        line 3  (the game keeps only byte 0x1E)\n",
          "  40 INVENTORY_SLOT_2   APOSTROPHE (your key \xC3\x99) line 1\n"}},
        {fake::kQwertzLayout, "17=Y\n18=Z\n19=W\n",
         {"Your keyboard: keyboard layout 04070407", "binds 17 MOVE_FORWARD to Y (your key Z) (21)",
          "binds 18 MOVE_BACKWARDS to Z (your key Y) (44)", "binds 19 MOVE_LEFT_STRAFE to W (17)\n"}},
    };
    for (const LabelCase& c : cases) {
        Follow(c.layout);
        const std::string text = CheckBindingFile(c.file).text;
        for (const std::string& said : c.says) EXPECT_NE(text.find(said), std::string::npos) << said << "\n" << text;
    }
}

// On a US keyboard, the report of today with the line of the layout first.
TEST_F(KeyLabelsReport, UsIsTheReportOfUsLabelsWithTheLayoutLine) {
    for (const std::string& file : {DefaultLayoutFile(), std::string("12=MINUS\n40=APOSTROPHE\n86=OEM_102\n6=W\n")}) {
        ResetKeyboardLayout();
        const CheckReport usLabels = CheckBindingFile(file);
        Follow(fake::kUsLayout);
        const CheckReport report = CheckBindingFile(file);
        const size_t lineEnd = report.text.find('\n') + 1;
        EXPECT_NE(report.text.substr(0, lineEnd).find("keyboard layout 04090409"), std::string::npos);
        EXPECT_EQ(report.text.substr(lineEnd), usLabels.text);
        EXPECT_EQ(report.exitCode, usLabels.exitCode);
    }
}

}  // namespace
}  // namespace dk::check
