// The boundary with a game that is not ready or not well: an inventory lookup
// that faults, and a frontend that is not built yet.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "checks.h"
#include "expected_file.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "key_name_site.h"
#include "scenarios.h"

namespace standin {
namespace {

std::string TorchLog(const char* state, void* weapon) {
    char line[128];
    std::snprintf(line, sizeof line, "[KM] Torch toggle: %s (weapon=%p)", state, weapon);
    return line;
}

bool AllQueriesAre(int32_t slot) {
    for (int32_t asked : InventoryQueries())
        if (asked != slot) return false;
    return !InventoryQueries().empty();
}

// A stretch of play in which every inventory lookup faults; the torch key is
// pressed in it. Nothing may be logged or switched, and each step's search
// ends at its first lookup (`firstSlot`).
void FaultingStretch(Script& script, const char* how, int32_t firstSlot, std::function<void()> breakIt) {
    auto torchCalls = std::make_shared<size_t>(0);
    std::string what = how;
    script.Do([breakIt, torchCalls] {
        breakIt();
        ClearInventoryQueries();
        *torchCalls = TorchCalls().size();
    });
    script.After(300).Tap('L').After(1000).Do([what, firstSlot, torchCalls] {
        Check(LogLines().size() == 1, what + ": a press while the lookup faults logs nothing");
        Check(TorchCalls().size() == *torchCalls, what + ": and switches no torch, nor keeps one lit");
        Check(AllQueriesAre(firstSlot), what + ": each step stops at the lookup that faulted (slot " +
                                            std::to_string(firstSlot) + " only, " +
                                            std::to_string(InventoryQueries().size()) + " lookups)");
    });
}

}  // namespace

int InventoryFaults(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = "48=L\r\n";
    if (!Boot(context, options, &session)) return FinishRun("inventory_faults");
    void* player = NewPlayer();
    void* inventory = InventoryOf(player);
    void* torch = NewWeapon(true, 1);
    PutWeapon(player, 3, torch);
    SetSlotWord(player, 0, 3);  // the other words name slot 0, which is empty

    Script script;
    ShowStartAndSettle(script);
    script.Do([] { Check(SelectItemByName("play"), "the cursor reaches NEW GAME"); });
    script.Tap(VK_RETURN);
    script.Do([player] { SetCurrentPlayer(player); }).After(200);
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 1 && LogLines()[0] == TorchLog("ON", torch) && WeaponLit(torch),
              "before the faults, a press lights the torch");
    });
    FaultingStretch(script, "faulting lookup", 3, [player] { SetInventoryLookupFault(player, kLookupBreaks); });
    FaultingStretch(script, "unmapped inventory record", 0, [player] {
        SetInventoryLookupFault(player, kLookupReadsInventory);
        SetInventoryPointer(player, UnmappedAddress());
    });
    script.Do([] { SetBindingSlotByte(48, 0); }).After(1200).Do([] {
        Check(BindingSlotByte(48) == 38, "the worker carries on after the faults (48 forced back to L)");
    });
    script.Do([player, inventory] {
        SetInventoryLookupFault(player, kLookupWorks);
        SetInventoryPointer(player, inventory);
    });
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 2 && LogLines()[1] == TorchLog("ON", torch) && WeaponLit(torch),
              "once the lookup works again the next press starts afresh: the torch is lit (ON)");
    });
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 3 && LogLines()[2] == TorchLog("OFF", torch) && !WeaponLit(torch),
              "and the press after it puts it out (OFF)");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    for (const std::string& line : LogLines()) std::printf("log: %s\n", line.c_str());
    return FinishRun("inventory_faults");
}

namespace {

void CheckNotInstalled(const Session* session, const std::string& when) {
    Check(!FileExists(session->iniPath) && !FindPage("mymovementkeys") && !FindPage("myactionkeys") &&
              FindItem(FindPage("controls"), "movementkeys"),
          when + ": the plug-in waits (no file, no custom page, links as the game made them)");
}

}  // namespace

// The game shows "start" before its get-frontend-manager function answers:
// first with null, then with a record that cannot be read. The plug-in must
// keep asking every 200 ms and install once the manager is there; later, in
// the controller loop, a missing manager means that no custom page is shown.
int ManagerLate(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("manager_late");
    const Session* run = &session;
    SetManagerAnswer(nullptr);
    auto sleepsAtStart = std::make_shared<uint32_t>(0);
    Script script;
    script.After(1000).Do([] { ShowPage("start"); });
    script.After(200).Do([sleepsAtStart] { *sleepsAtStart = Hooks().workerSleeps; });
    script.After(1000).Do([run, sleepsAtStart] {
        const uint32_t asked = Hooks().workerSleeps - *sleepsAtStart;
        Check(asked == 5, "with no frontend manager the plug-in asks again every 200 ms (" + std::to_string(asked) +
                              " waits in one second)");
        CheckNotInstalled(run, "manager null");
        SetManagerAnswer(UnmappedAddress());
    });
    script.After(1000).Do([run] {
        CheckNotInstalled(run, "manager unreadable");
        RestoreManagerAnswer();
    });
    script.After(800).Do([run] {
        Check(FileExists(run->iniPath), "once the manager is there, the binding file is written");
        Check(RegisteredPageCount("mymovementkeys") == 1 && RegisteredPageCount("myactionkeys") == 1,
              "both custom pages are registered once");
        Check(FindItem(FindPage("controls"), "mymovementkeys") && FindItem(FindPage("controls"), "myactionkeys"),
              "the controls page's links name the custom pages");
        Check(CallSiteIsNearCall() && !CallSiteIsGameOriginal(), "the key-name call site is redirected");
    });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] { SetManagerAnswer(nullptr); }).After(200);
    script.Do([] { Check(SelectItemByName("17"), "the cursor reaches item 17"); });
    script.Tap(VK_RETURN).Tap('I');
    script.Do([] {
        uint8_t* item = FindItem(CurrentPage(), "17");
        Check(item && ItemValue(item) != -1 && BindingSlotByte(17) == GameDefaultKey(17),
              "without a manager no custom page counts as shown: Enter starts no capture");
        RestoreManagerAnswer();
    });
    script.After(400);
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([run] {
        Check(BindingSlotByte(17) == 23, "with the manager back, a rebinding works as usual (17 -> I)");
        Check(FileHasLine(ReadFile(run->iniPath), "17=I ; MOVE_FORWARD"), "and reaches the binding file");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("manager_late");
}

}  // namespace standin
