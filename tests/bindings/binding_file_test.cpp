#include "bindings/binding_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "bindings/file_bytes.h"
#include "bindings_test_env.h"

namespace dk {
namespace {

using testing::BindingsTest;
using testing::ReadWholeFile;
using testing::SameOverrides;
using testing::WriteWholeFile;

// The file as the player gets it after a reset, written out here line by line
// (only the 105 key lines are generated, from their own list below).
const char* const kExpectedTop[] = {
    "# Duskvale extra keybinds (custom pages)",
    "# format: index=KEY_NAME   (numbers still accepted too)",
    "# example: 29=MOUSE_X1",
    "# example: 29=-28",
    "",
    "# ------------------------------",
    "# Action indices (INI left side)",
    "# ------------------------------",
    "# Movement page",
    "# 17 = MOVE FORWARD",
    "# 18 = MOVE BACKWARDS",
    "# 19 = MOVE LEFT (strafe)",
    "# 20 = MOVE RIGHT (strafe)",
    "# 21 = PEEK LEFT",
    "# 22 = PEEK RIGHT",
    "# 2  = LOOKBACK",
    "# 12 = GRAPPLE",
    "# 29 = RUN",
    "# 45 = CRAWL",
    "# 46 = CROUCH",
    "# 28 = SNEAK",
    "# 1  = WALLSQUASH",
    "# 11 = CLIMB",
    "#",
    "# Action page",
    "# 7  = FIRE / hard punch",
    "# 3  = RELOAD",
    "# 9  = PUNCH / attack",
    "# 53 = EXECUTE",
    "# 0  = USE",
    "# 39 = INVENTORY SLOT 1",
    "# 40 = INVENTORY SLOT 2",
    "# 41 = INVENTORY SLOT 3",
    "# 42 = INVENTORY SLOT 4",
    "# 24 = MENU",
    "# 4  = PICKUP",
    "# 5  = DROP",
    "# 14 = BLOCK",
    "# 25 = ZOOM IN",
    "# 26 = ZOOM OUT",
    "# 31 = ZOOM AIM",
    "# 32 = LOCK ON / TARGET",
    "# 38 = LOOKAROUND (FP)",
    "# 48 = TOGGLE TORCH (custom)",
    "#",
    "# -----------------------------------",
    "# Mappable key/button IDs (right side)",
    "# -----------------------------------",
    "# Special",
    "# NONE = 0",
    "# PRESS_A_KEY = -1",
    "#",
    "# Mouse (negative codes)",
    "# MOUSE_LEFT  = -34",
    "# MOUSE_RIGHT = -32",
    "# MOUSE_X1    = -28  (Mouse Button 4)",
    "# MOUSE_X2    = -29  (Mouse Button 5)",
    "#",
    "# Keyboard (DirectInput-style scan codes; shown as hex -> decimal)",
};

const struct {
    int code;
    const char* text;  // name, and the note where there is one
} kExpectedKeys[] = {
    {1, "ESCAPE"}, {2, "KEY_1"}, {3, "KEY_2"}, {4, "KEY_3"}, {5, "KEY_4"}, {6, "KEY_5"}, {7, "KEY_6"},
    {8, "KEY_7"}, {9, "KEY_8"}, {10, "KEY_9"}, {11, "KEY_0"}, {12, "MINUS"}, {13, "EQUALS"},
    {14, "BACK (Backspace)"}, {15, "TAB"}, {16, "Q"}, {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"},
    {21, "Y"}, {22, "U"}, {23, "I"}, {24, "O"}, {25, "P"}, {26, "LBRACKET"}, {27, "RBRACKET"},
    {28, "RETURN (Enter)"}, {29, "LCONTROL"}, {30, "A"}, {31, "S"}, {32, "D"}, {33, "F"}, {34, "G"},
    {35, "H"}, {36, "J"}, {37, "K"}, {38, "L"}, {39, "SEMICOLON"}, {40, "APOSTROPHE"}, {41, "GRAVE"},
    {42, "LSHIFT"}, {43, "BACKSLASH"}, {44, "Z"}, {45, "X"}, {46, "C"}, {47, "V"}, {48, "B"}, {49, "N"},
    {50, "M"}, {51, "COMMA"}, {52, "PERIOD"}, {53, "SLASH"}, {54, "RSHIFT"}, {55, "MULTIPLY (numpad *)"},
    {56, "LMENU (Left Alt)"}, {57, "SPACE"}, {58, "CAPITAL (Caps Lock)"}, {59, "F1"}, {60, "F2"},
    {61, "F3"}, {62, "F4"}, {63, "F5"}, {64, "F6"}, {65, "F7"}, {66, "F8"}, {67, "F9"}, {68, "F10"},
    {69, "NUMLOCK"}, {70, "SCROLL"}, {71, "NUMPAD7"}, {72, "NUMPAD8"}, {73, "NUMPAD9"},
    {74, "SUBTRACT (numpad -)"}, {75, "NUMPAD4"}, {76, "NUMPAD5"}, {77, "NUMPAD6"}, {78, "ADD (numpad +)"},
    {79, "NUMPAD1"}, {80, "NUMPAD2"}, {81, "NUMPAD3"}, {82, "NUMPAD0"}, {83, "DECIMAL (numpad .)"},
    {86, "OEM_102 (extra key of ISO keyboards)"}, {87, "F11"}, {88, "F12"}, {100, "F13"}, {101, "F14"},
    {102, "F15"}, {156, "NUMPADENTER"}, {157, "RCONTROL"}, {181, "DIVIDE (numpad /)"},
    {184, "RMENU (Right Alt)"}, {197, "PAUSE"}, {199, "HOME"}, {200, "UP"}, {201, "PRIOR (Page Up)"},
    {203, "LEFT"}, {205, "RIGHT"}, {207, "END"}, {208, "DOWN"}, {209, "NEXT (Page Down)"},
    {210, "INSERT"}, {211, "DELETE"}, {221, "APPS (Menu key)"},
};

const char* const kExpectedBottom[] = {
    "#",
    "# ------------------------------",
    "# Current saved bindings",
    "# ------------------------------",
    "0=SPACE ; USE",
    "1=C ; WALLSQUASH",
    "2=X ; LOOKBACK",
    "3=R ; RELOAD",
    "4=F ; PICKUP",
    "5=F ; DROP",
    "7=B ; FIRE_HARD_PUNCH",
    "9=MOUSE_LEFT ; PUNCH_ATTACK",
    "11=SPACE ; CLIMB",
    "12=NONE ; GRAPPLE",
    "14=TAB ; BLOCK",
    "17=W ; MOVE_FORWARD",
    "18=S ; MOVE_BACKWARDS",
    "19=A ; MOVE_LEFT_STRAFE",
    "20=D ; MOVE_RIGHT_STRAFE",
    "21=Q ; PEEK_LEFT",
    "22=E ; PEEK_RIGHT",
    "24=ESCAPE ; MENU",
    "25=MOUSE_RIGHT ; ZOOM_IN",
    "26=MOUSE_LEFT ; ZOOM_OUT",
    "28=X ; SNEAK",
    "29=LSHIFT ; RUN",
    "31=MOUSE_RIGHT ; ZOOM_AIM",
    "32=MOUSE_RIGHT ; LOCK_ON_TARGET",
    "38=T ; LOOKAROUND_FP",
    "39=KEY_1 ; INVENTORY_SLOT_1",
    "40=KEY_2 ; INVENTORY_SLOT_2",
    "41=KEY_3 ; INVENTORY_SLOT_3",
    "42=KEY_4 ; INVENTORY_SLOT_4",
    "45=SPACE ; CRAWL",
    "46=V ; CROUCH",
    "48=NONE ; TOGGLE_TORCH",
    "53=MOUSE_LEFT ; EXECUTE",
};

std::vector<std::string> ExpectedLinesAfterReset() {
    std::vector<std::string> lines(std::begin(kExpectedTop), std::end(kExpectedTop));
    for (const auto& key : kExpectedKeys) {
        std::ostringstream line;
        line << "# 0x" << std::uppercase << std::hex << (key.code < 16 ? "0" : "") << key.code << "->"
             << std::dec << key.code << std::string(4 - std::to_string(key.code).size(), ' ') << key.text;
        lines.push_back(line.str());
    }
    lines.insert(lines.end(), std::begin(kExpectedBottom), std::end(kExpectedBottom));
    return lines;
}

std::string JoinWithCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

int CountLines(const std::string& text) {
    int count = 0;
    for (char c : text) count += c == '\n';
    return count;
}

using BindingFileTest = BindingsTest;

TEST_F(BindingFileTest, SavedFileAfterResetIsExactToTheByte) {
    const auto path = UseFile();
    FillDefaultBindings();
    ResetToDefaults();
    ASSERT_TRUE(SaveBindingFile());
    const std::vector<std::string> expected = ExpectedLinesAfterReset();
    ASSERT_EQ(expected.size(), 201u);
    EXPECT_EQ(expected[59], "# 0x01->1   ESCAPE");
    EXPECT_EQ(expected[149], "# 0x9D->157 RCONTROL");
    EXPECT_EQ(expected[154], "# 0xC8->200 UP");
    EXPECT_EQ(ReadWholeFile(path), JoinWithCrLf(expected));
}

TEST_F(BindingFileTest, SaveWritesTheGameTableAndRecordsItsReadBack) {
    const auto path = UseFile();
    SetBinding(9, 222);          // mouse left, as a capture records it
    fake::SetFakeSlotByte(53, 0x9D);  // right Control, once read back as -99
    ASSERT_TRUE(SaveBindingFile());
    const std::string text = ReadWholeFile(path);
    EXPECT_NE(text.find("\r\n9=MOUSE_LEFT ; PUNCH_ATTACK\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n53=RCONTROL ; EXECUTE\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n17=NONE ; MOVE_FORWARD\r\n"), std::string::npos);
    for (ActionIndex index = 0; index <= kMaxActionIndex; ++index) {
        EXPECT_EQ(BindingOverrides[index].overrideSet, IsMappable(index)) << index;
        if (IsMappable(index)) {
            EXPECT_EQ(BindingOverrides[index].overrideCode, ReadHostBinding(index)) << index;
        }
    }
    EXPECT_EQ(BindingOverrides[9].overrideCode, -34);
    EXPECT_EQ(BindingOverrides[53].overrideCode, 157);
}

// The file not yet known is read first; the new one is on the disk, whole,
// before it takes the old one's place.
TEST_F(BindingFileTest, SaveReplacesWhateverTheFileHeld) {
    const auto path = UseFile();
    WriteWholeFile(path, std::string(5000, '\n') + "17=W\n");
    ASSERT_TRUE(SaveBindingFile());
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(CountLines(text), 201);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);  // only CR LF, never a bare LF run
    EXPECT_TRUE(OnlyFileIn(folder, "DuskvaleKeys.ini"));
    std::vector<std::string> calls;
    for (const fake::FileCall& call : platform->fileCalls) calls.push_back(call.what);
    const std::vector<std::string> expected = {"open DuskvaleKeys.ini rb", "open DuskvaleKeys.ini.tmp wb",
                                               "flush " + std::to_string(text.size()),
                                               "replace DuskvaleKeys.ini.tmp DuskvaleKeys.ini"};
    EXPECT_EQ(calls, expected);
}

// A good first line does not make a file of over 1 MiB a binding file: it is
// neither opened at the start nor written over by a save.
TEST_F(BindingFileTest, FileOverTheSizeLimitIsNeverOpened) {
    const auto path = UseFile();
    for (const uint64_t size : {kLargestReadableFile, kLargestReadableFile + 1, 2 * kLargestReadableFile}) {
        SCOPED_TRACE(size);
        const bool readable = size <= kLargestReadableFile;
        ClearBindingStore();
        ResetBindingFileWatch();
        std::string bytes = "17=W\r\n";
        bytes.resize(size, '#');
        WriteWholeFile(path, bytes);
        platform->fileCalls.clear();
        LoadBindingFile();
        EXPECT_EQ(BindingOverrides[17].overrideSet, readable);
        EXPECT_EQ(SaveBindingFile(), readable);
        if (!readable) {
            EXPECT_TRUE(platform->fileCalls.empty());
            EXPECT_EQ(ReadWholeFile(path), bytes);
        }
    }
}

// Every byte value a slot can hold survives a save, a fresh start and a load.
TEST_F(BindingFileTest, EverySlotByteSurvivesSaveAndLoad) {
    UseFile();
    for (int pass = 0; pass < 8; ++pass) {
        uint8_t written[kMaxActionIndex + 1] = {};
        for (int i = 0; i < kMappableActionCount; ++i) {
            written[MappableActions[i]] = static_cast<uint8_t>(pass * kMappableActionCount + i);
            fake::SetFakeSlotByte(MappableActions[i], written[MappableActions[i]]);
        }
        ASSERT_TRUE(SaveBindingFile());
        ClearBindingStore();
        fake::ResetFakeBindingTable(0x55);
        LoadBindingFile();
        ApplyOverrides();
        for (ActionIndex index : MappableActions) {
            EXPECT_TRUE(BindingOverrides[index].overrideSet) << index;
            EXPECT_EQ(fake::FakeSlotByte(index), written[index]) << "pass " << pass << " index " << index;
        }
    }
}

TEST_F(BindingFileTest, LoadKeepsOnlyAcceptableLines) {
    const auto path = UseFile();
    WriteWholeFile(path,
                   "# 0=SPACE\n"
                   "   ; 1=C\n"
                   "\n"
                   "[Keys]\n"
                   "2 X\n"
                   "6=W\n"
                   "60=W\n"
                   "-1=W\n"
                   "99999999999=W\n"
                   "3=\n"
                   "4= ; PICKUP\n"
                   "17 = W ; MOVE_FORWARD\n"
                   "17=S\n"         // a later line wins ...
                   "17=BOGUS\n"     // ... unless it names no key
                   "29abc=MOUSE_X1\n"
                   "0x11=TAB\n"
                   "+46=-28\n"
                   "53=-99");       // no line end on the last line
    LoadBindingFile();
    const struct {
        ActionIndex index;
        KeyCode code;
    } expected[] = {{17, 31}, {29, MOUSE_X1}, {0, 15}, {46, MOUSE_X1}, {53, -99}};
    int set = 0;
    for (const BindingOverride& entry : BindingOverrides) set += entry.overrideSet;
    EXPECT_EQ(set, 5);
    for (const auto& e : expected) {
        EXPECT_TRUE(BindingOverrides[e.index].overrideSet) << e.index;
        EXPECT_EQ(BindingOverrides[e.index].overrideCode, e.code) << e.index;
    }
}

TEST_F(BindingFileTest, LineEndsAndByteOrderMarkLoadAlike) {
    const auto path = UseFile();
    const std::string variants[] = {
        "17=W\n29=MOUSE_X1\n",
        "17=W\r\n29=MOUSE_X1\r\n",
        "17=W\r\n29=MOUSE_X1",
        "\xEF\xBB\xBF" "17=W\r\n29=MOUSE_X1\r\n",
    };
    for (const std::string& bytes : variants) {
        ClearBindingStore();
        WriteWholeFile(path, bytes);
        LoadBindingFile();
        EXPECT_TRUE(BindingOverrides[17].overrideSet && BindingOverrides[17].overrideCode == 17) << bytes;
        EXPECT_TRUE(BindingOverrides[29].overrideSet && BindingOverrides[29].overrideCode == MOUSE_X1) << bytes;
    }
}

TEST_F(BindingFileTest, MissingFileLoadsNothing) {
    UseFile();
    SetOverride(17, 30);
    LoadBindingFile();
    EXPECT_EQ(BindingOverrides[17].overrideCode, 30);
    for (ActionIndex index = 0; index <= kMaxActionIndex; ++index) {
        EXPECT_EQ(BindingOverrides[index].overrideSet, index == 17) << index;
    }
}

// A save that cannot complete must leave the player's file and the recorded
// bindings exactly as they were.
class FailedSaveTest : public BindingsTest {
protected:
    void ExpectNothingChanged(const std::filesystem::path& path, const std::string& oldBytes) {
        EXPECT_EQ(ReadWholeFile(path), oldBytes);
        EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
        EXPECT_TRUE(SameOverrides(BindingOverrides, overridesBefore));
    }

    void PrepareBindings() {
        SetOverride(17, 30);
        SetOverride(29, 222);
        fake::SetFakeSlotByte(17, 57);
        std::memcpy(overridesBefore, BindingOverrides, sizeof overridesBefore);
    }

    BindingOverride overridesBefore[kMaxActionIndex + 1] = {};
};

TEST_F(FailedSaveTest, FlushOrReplaceFails) {
    const auto path = UseFile();
    const std::string oldBytes = "17=A\r\n29=MOUSE_X1\r\n# the player's own note\r\n";
    const struct {
        bool fake::FakePlatformState::*failure;
        int replaces;  // the replace is not even tried after a failed flush
    } cases[] = {{&fake::FakePlatformState::failReplace, 1}, {&fake::FakePlatformState::failFlush, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.replaces);
        WriteWholeFile(path, oldBytes);
        LoadBindingFile();  // the plug-in knows the file: the save has no edit to take in
        PrepareBindings();
        platform->*c.failure = true;
        platform->replaceCalls = 0;
        EXPECT_FALSE(SaveBindingFile());
        EXPECT_EQ(platform->replaceCalls, c.replaces);
        ExpectNothingChanged(path, oldBytes);
        EXPECT_TRUE(OnlyFileIn(folder, "DuskvaleKeys.ini"));

        platform->*c.failure = false;  // the next save tries again
        EXPECT_TRUE(SaveBindingFile());
        EXPECT_EQ(BindingOverrides[17].overrideCode, 57);
    }
}

TEST_F(FailedSaveTest, FolderMissing) {
    const auto path = UseFile("no such folder/DuskvaleKeys.ini");
    PrepareBindings();
    EXPECT_FALSE(SaveBindingFile());
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
    EXPECT_TRUE(SameOverrides(BindingOverrides, overridesBefore));
}

TEST_F(FailedSaveTest, DirectoryInPlaceOfTheFile) {
    const auto path = UseFile();
    std::filesystem::create_directory(path);
    PrepareBindings();
    EXPECT_FALSE(SaveBindingFile());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    EXPECT_TRUE(SameOverrides(BindingOverrides, overridesBefore));
}

}  // namespace
}  // namespace dk
