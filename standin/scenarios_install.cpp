// Installation: the first start, the re-pointed controls page, and the ways
// the plug-in must hold back (an unknown game build, a call site it may not
// unprotect).
#include <windows.h>

#include "checks.h"
#include "expected_file.h"
#include "game_addresses.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_memory.h"
#include "key_name_site.h"
#include "plugin_log_file.h"
#include "scenarios.h"

namespace standin {
namespace {

bool TableIsGameDefault() {
    for (int i = 0; i < kBindingSlotCount; ++i)
        if (BindingSlotByte(i) != GameDefaultKey(i)) return false;
    return true;
}

void CheckCustomPagesInstalled() {
    for (const char* name : {"mymovementkeys", "myactionkeys"}) {
        uint8_t* page = FindPage(name);
        Check(RegisteredPageCount(name) == 1, std::string("page ") + name + " is registered once");
        if (!page) continue;
        Check(ParentName(page) == "controls", std::string(name) + " sits under controls");
        bool flagsClear = true;
        for (int i = 0; i < 3; ++i) flagsClear &= Field<uint8_t>(page, at::kPageFlags + i) == 0;
        Check(flagsClear, std::string(name) + " has its three flags cleared");
    }
}

bool ModuleHolds(HMODULE module, uint32_t address) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<void*>(static_cast<uintptr_t>(address)), &info, sizeof info);
    return info.AllocationBase == module;
}

void CheckRedirected(const Session& session) {
    Check(CallSiteIsNearCall() && !CallSiteIsGameOriginal() && ModuleHolds(session.module, CallSiteTarget()),
          "the key-name call site is a near call into the plug-in");
    Check(GamePageProtection(kKeyNameCallSite) == PAGE_EXECUTE_READ,
          "the call site's page is read+execute again after the patch");
}

void CheckMovementPage() {
    uint8_t* page = CurrentPage();
    int keyItems = 0, selectable = 0;
    bool valuesMatch = true;
    for (uint8_t* item : PageItems(page)) {
        if (ItemKind(item) != kKindKeyBind) continue;
        ++keyItems;
        int action = std::stoi(ItemName(item));
        valuesMatch &= ItemValue(item) == ExpectedReadBack(BindingSlotByte(action));
        selectable += ItemSelectable(item);
    }
    Check(keyItems == 14, "the movement page holds 14 key-bind items (" + std::to_string(keyItems) + ")");
    Check(valuesMatch, "each key-bind item shows its action's binding from the table");
    Check(selectable == 14, "every key-bound item takes Enter (" + std::to_string(selectable) + ")");
    uint8_t* run = FindItem(page, "29");
    Check(run && ItemColourIs(run, 200, 210, 175, 170) && ItemSelectable(run) && ItemValue(run) == 157,
          "RUN, bound to right Control (0x9D), has the normal colour, takes Enter and holds 157");
    CheckDrawn("mymovementkeys", "29", "RCONTROL");
    uint8_t* forward = FindItem(page, "17");
    Check(forward && ItemLabel(forward) == "A_FWD_PC", "item 17 is labelled A_FWD_PC");
    uint8_t* reset = FindItem(page, "reset_button");
    Check(reset && ItemSelectable(reset) && ItemLabel(reset) == "reset", "the reset item takes Enter");
    Check(FindItem(page, "controls") && ItemLabel(FindItem(page, "controls")) == "apply",
          "the apply link leads back to controls");
}

void CheckActionPage() {
    uint8_t* page = CurrentPage();
    int keyItems = 0;
    for (uint8_t* item : PageItems(page)) keyItems += ItemKind(item) == kKindKeyBind;
    Check(keyItems == 19, "the action page holds 19 key-bind items (" + std::to_string(keyItems) + ")");
    bool mouseDimmed = true;
    for (const char* name : {"9", "25", "26", "31", "32", "53"}) {
        uint8_t* item = FindItem(page, name);
        mouseDimmed &= item && !ItemSelectable(item) && ItemColourIs(item, 108, 82, 75, 170);
    }
    Check(mouseDimmed, "the six mouse-bound actions are dimmed and not selectable");
    uint8_t* torch = FindItem(page, "48");
    Check(torch && ItemLabel(torch) == "toggle torch" && ItemSelectable(torch),
          "the torch action is offered (bound to nothing, still selectable)");
}

}  // namespace

// The session is held by address: the checks run long after this returns.
Script FirstStartScript(const Session& run, bool withLog) {
    const Session* session = &run;
    Script script;
    script.After(1000).Do([session] {
        Check(!FileExists(session->iniPath), "no binding file while the game is still loading");
        Check(TableIsGameDefault(), "nothing is written into the table before start shows");
        Check(!FindPage("mymovementkeys"), "no custom page before start shows");
    });
    ShowStartAndSettle(script);
    script.Do([session, withLog] {
        std::string file = ReadFile(session->iniPath);
        Check(FileExists(session->iniPath), "the binding file is created beside the plug-in");
        CheckWrittenFile(file, "first start");
        Check(TableIsGameDefault(), "the game's own bindings stay in its table");
        for (const char* line : {"0=E ; USE", "9=MOUSE_LEFT ; PUNCH_ATTACK", "12=G ; GRAPPLE", "29=RCONTROL ; RUN",
                                 "39=KEY_1 ; INVENTORY_SLOT_1", "48=NONE ; TOGGLE_TORCH"})
            Check(FileHasLine(file, line), std::string("the file holds the game's binding \"") + line + "\"");
        CheckCustomPagesInstalled();
        CheckRedirected(*session);
        if (!withLog) return;
        CheckLogHolds(*session,
                      {StartedLine(*session), "game build recognised",
                       "keyboard layout 04090409, the plug-in's own until the game's window is in front",
                       "no binding file at " + session->iniPath,
                       "binding file written from the game's table: " + session->iniPath},
                      "the log tells the first start in order");
        Check(CountLogLines(*session, "pages installed, ") == 1 &&
                  CountLogLines(*session, "keyboard layout 04090409, the game window's") == 1,
              "the log tells when the pages went in, and whose layout is in force then");
        CheckLogWrittenByWorkerOnly();
    });
    return script;
}

void CheckTableOutsideMappable() {
    std::string where;
    Check(TableOutsideMappableUntouched(&where), "bytes 1..3 and unmappable slots untouched " + where);
}

int FirstStart(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("first_start");
    RunPlugin(session, FirstStartScript(session), 1, false, nullptr);
    CheckTableOutsideMappable();
    return FinishRun("first_start");
}

int ControlsLinks(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("controls_links");
    Script script;
    ShowStartAndSettle(script);
    script.Do([] {
        uint8_t* controls = FindPage("controls");
        Check(FindItem(controls, "mymovementkeys") && FindItem(controls, "myactionkeys") &&
                  !FindItem(controls, "movementkeys") && !FindItem(controls, "actionkeys"),
              "the controls page's two links now name the custom pages");
        Check(FindPage("movementkeys") && FindPage("actionkeys"), "the game's own key pages are still there");
    });
    OpenFromStart(script, "mymovementkeys");
    script.Do(CheckMovementPage);
    SwitchCustomPage(script, "myactionkeys");
    script.Do(CheckActionPage);
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("controls_links");
}

int UnknownBuild(const RunContext& context) {
    Session session;
    BootOptions options;
    options.knownBuild = false;
    if (!Boot(context, options, &session)) return FinishRun("unknown_build");
    std::vector<uint8_t> before = SnapshotGameMemory();
    Script script;
    ShowStartAndSettle(script);
    script.After(3000);
    bool workerEnded = false;
    RunPlugin(session, std::move(script), 1, true, &workerEnded);
    if (!workerEnded) workerEnded = WaitForSingleObject(Hooks().worker, 0) == WAIT_OBJECT_0;
    Check(workerEnded, "the worker thread ends on a game build it does not know");
    uint32_t difference = 0;
    Check(GameMemoryEquals(before, &difference),
          "not one byte of the game image changed" +
              (difference ? " (first change at " + std::to_string(difference) + ")" : std::string()));
    const std::vector<std::string> lines = LogLines(session);
    Check(lines.size() == 2 && lines[0] == StartedLine(session) &&
              lines[1].rfind("game build not recognised: the byte at 0x005602B3 is 0x", 0) == 0,
          "the log says so, and that is its last line" +
              (lines.size() > 1 ? " (\"" + lines[1] + "\")" : std::string()));
    Check(!FindPage("mymovementkeys") && !FindPage("myactionkeys"), "no custom page is registered");
    Check(FindItem(FindPage("controls"), "movementkeys") && FindItem(FindPage("controls"), "actionkeys"),
          "the controls page keeps its own links");
    return FinishRun("unknown_build");
}

int ProtectFails(const RunContext& context) {
    Session session;
    BootOptions options;
    options.failCallSiteProtection = true;
    if (!Boot(context, options, &session)) return FinishRun("protect_fails");
    Script script;
    ShowStartAndSettle(script);
    script.Do([] {
        Check(Hooks().refusedProtectCalls >= 1, "the plug-in asked to unprotect the call site and was refused");
        Check(CallSiteIsGameOriginal(), "the call site still calls the game's own name function");
        CheckCustomPagesInstalled();
    });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] { CheckDrawn("mymovementkeys", "17", GameOwnKeyName(17)); });
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([&] {
        Check(BindingSlotByte(17) == 23, "a rebinding still reaches the table (17 -> I)");
        Check(FileHasLine(ReadFile(session.iniPath), "17=I ; MOVE_FORWARD"), "and the binding file");
        CheckDrawn("mymovementkeys", "17", GameOwnKeyName(23));
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    Check(GamePageProtection(kKeyNameCallSite) == PAGE_EXECUTE_READ, "the call site's page keeps its protection");
    return FinishRun("protect_fails");
}

}  // namespace standin
