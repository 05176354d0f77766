// The binding file at the next launch: one the plug-in wrote, and one edited by hand.
#include <windows.h>

#include "checks.h"
#include "expected_file.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "key_name_site.h"
#include "plugin_log_file.h"
#include "scenarios.h"

namespace standin {
namespace {

struct SlotExpectation {
    int action;
    uint8_t byte;
    const char* why;
};

void CheckSlots(std::initializer_list<SlotExpectation> slots, const std::string& when) {
    for (const SlotExpectation& s : slots) {
        char line[160];
        std::snprintf(line, sizeof line, "%s: slot %d holds 0x%02x (%s; holds 0x%02x)", when.c_str(), s.action,
                      s.byte, s.why, BindingSlotByte(s.action));
        Check(BindingSlotByte(s.action) == s.byte, line);
    }
}

// Mixed line ends, comments, junk, and every kind of bad line; the last line
// has no line end at all.
const char kHandEdited[] =
    "# edited by hand\r\n"
    "; another comment\n"
    "    # indented comment\r\n"
    "\n"
    "[Bindings]\r\n"
    "no equals sign here\n"
    "6=W\r\n"
    "60=W\n"
    "-1=W\n"
    "17 = I ; forward\r\n"
    "18x=T\n"
    "0x11=K\n"
    "+19=mouse x1\r\n"
    "20=\n"
    "21= ; only a comment\n"
    "99999999999=W\n"
    "22=Y\n"
    "22=S\r\n"
    "24=O\n"
    "24=NOSUCHKEY\n"
    "25=\"MOUSE_X2\"\n"
    "26=0x1C\n"
    "28=034\n"
    "29=08\n"
    "31=lalt\n"
    "32=caps lock\n"
    "38=-99\n"
    "41=KEY_9";

}  // namespace

// Another program holds the last start's log, sharing it with no one: the
// plug-in starts all the same, without a log, and leaves that file as it was.
int LogHeld(const RunContext& context) {
    Session session;
    BootOptions options;
    options.loadPlugin = false;
    if (!Boot(context, options, &session)) return FinishRun("log_held");
    const std::string lastStart = "12:00:00.000 the last start's log\r\n";
    WriteTextFile(LogPath(session), lastStart);
    HANDLE held = CreateFileA(LogPath(session).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Check(held != INVALID_HANDLE_VALUE, "another program holds the log");
    if (!LoadPlacedPlugin(&session)) return FinishRun("log_held");
    RunPlugin(session, FirstStartScript(session, false), 1, false, nullptr);
    CloseHandle(held);
    Check(ReadFile(LogPath(session)) == lastStart, "the held log is left as it was");
    return FinishRun("log_held");
}

int SecondLaunch(const RunContext& context) {
    PrepareFolder(context.folder, true);
    if (!RunChildScenario(context, "rebind_keys")) return FinishRun("second_launch");
    Session session;
    BootOptions options;
    options.emptyFolder = false;
    if (!Boot(context, options, &session)) return FinishRun("second_launch");
    std::string written = ReadFile(session.iniPath);
    Check(FileHasLine(written, "17=I ; MOVE_FORWARD"), "the first launch left its binding file");
    Script script;
    script.After(1000).Do([] {
        CheckSlots({{17, GameDefaultKey(17), "not forced before start shows"}}, "while loading");
    });
    ShowStartAndSettle(script);
    script.Do([&] {
        CheckSlots({{17, 23, "I from the file"}, {3, 0xE4, "MOUSE_X1 from the file"},
                    {0, 0xDE, "MOUSE_LEFT from the file"}},
                   "after start");
        Check(ReadFile(session.iniPath) == written, "a file that exists is not rewritten at start");
    });
    script.Do([] { Check(SelectItemByName("play"), "the cursor reaches NEW GAME"); });
    script.Tap(VK_RETURN);
    script.Do([] { SetBindingSlotByte(17, 17); });  // the game puts its own key back
    script.After(1200).Do([] { CheckSlots({{17, 23, "forced back within a second"}}, "in play"); });
    script.Do([] { ShowPage("start"); });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] { CheckDrawn("mymovementkeys", "17", "I"); });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("second_launch");
}

int BadLines(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = kHandEdited;
    if (!Boot(context, options, &session)) return FinishRun("bad_lines");
    Script script;
    ShowStartAndSettle(script);
    script.Do([&] {
        CheckSlots({{17, 23, "17 = I with blanks and a comment"},
                    {18, 20, "18x: the index stops at the letter"},
                    {0, 37, "0x11 is index 0"},
                    {19, 0xE4, "+19 and mouse x1 in lower case"},
                    {20, GameDefaultKey(20), "empty value skipped"},
                    {21, GameDefaultKey(21), "value only a comment skipped"},
                    {22, 31, "the later line wins"},
                    {24, 24, "a later bad token leaves the earlier line"},
                    {25, 0xE3, "quoted MOUSE_X2"},
                    {26, 28, "hex 0x1C"},
                    {28, 28, "octal 034"},
                    {29, GameDefaultKey(29), "08 is no number and no name"},
                    {31, 56, "the alias lalt"},
                    {32, GameDefaultKey(32), "caps and lock as two words"},
                    {38, 0x9D, "-99"},
                    {41, 10, "the last line without a line end"},
                    {1, GameDefaultKey(1), "not in the file: the game's own"}},
                   "hand-edited file");
        std::string where;
        Check(TableOutsideMappableUntouched(&where), "lines for 6, 60 and -1 touch nothing " + where);
        Check(ReadFile(session.iniPath) == kHandEdited, "the hand-edited file is left as it is until a change");
        CheckLogHolds(session,
                      {"line 5 skipped: no '=' in \"[Bindings]\"", "line 7 skipped: index 6 is not a mappable action",
                       "line 8 skipped: index \"60\" is out of range (0..59)",
                       "line 14 skipped: no key given for 20 MOVE_RIGHT_STRAFE"},
                      "the log names each skipped line with its reason");
        Check(CountLogLines(session, "line ") == 11 && CountLogLines(session, "13 bindings read from ") == 1,
              "and counts what was read");
    });
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "45", [](Script& s) { TapKeyForCapture(s, 'K'); });
    script.Do([&] {
        std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "after a rebinding");
        Check(FileHasLine(file, "45=K ; CRAWL") && FileHasLine(file, "38=RCONTROL ; LOOKAROUND_FP") &&
                  FileHasLine(file, "22=S ; PEEK_RIGHT"),
              "the rewritten file keeps what was loaded and adds the new key");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("bad_lines");
}

}  // namespace standin
