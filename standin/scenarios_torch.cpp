// The torch toggle in play: which weapon, the log line, keeping it lit, and
// surviving game records that fault.
#include <windows.h>

#include <cstdio>

#include "checks.h"
#include "expected_pages.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "kept_records.h"
#include "scenarios.h"

namespace standin {
namespace {

const char kTorchOnL[] = "48=L\r\n";
// Also RUN on a plain key and the side buttons on a page each: as the pages are
// built, both hold dimmed items and the table nothing else above 127.
const char kTorchAndSideButtons[] = "48=L\r\n29=LSHIFT\r\n19=MOUSE_X2\r\n3=MOUSE_X1\r\n";

std::string ExpectedLog(const char* state, void* weapon) {
    char line[128];
    std::snprintf(line, sizeof line, "[KM] Torch toggle: %s (weapon=%p)", state, weapon);
    return line;
}

size_t CallsFor(void* weapon, bool on) {
    size_t n = 0;
    for (const TorchCall& c : TorchCalls()) n += c.weapon == weapon && c.on == on;
    return n;
}

// Every re-assertion comes more than 250 ms after the call before it, and the
// first one no later than a tick after that.
bool ReassertsSpaced(void* weapon, size_t* count) {
    const TorchCall* previous = nullptr;
    *count = 0;
    for (const TorchCall& c : TorchCalls()) {
        if (c.weapon != weapon || !c.on) continue;
        if (previous) {
            uint32_t gap = c.atTick - previous->atTick;
            if (gap <= 250 || gap > 350) return false;
            ++*count;
        }
        previous = &c;
    }
    return true;
}

struct TorchPlayer {
    void* player;
    void* torch3;  // the weapon the slot words lead to
    void* torch5;  // where the slot word 3 points later
};

// Slot words 99 (no slot), 2 (no attachment), -1 (nothing), 3 (a torch), 5;
// slot 0 holds an attachment without a torch, so the slot walk would skip it.
TorchPlayer ArmedPlayer() {
    TorchPlayer armed{NewPlayer(), NewWeapon(true, 1), NewWeapon(true, 7)};
    PutWeapon(armed.player, 0, NewWeapon(true, 0));
    PutWeapon(armed.player, 2, NewWeapon(false, 0));
    PutWeapon(armed.player, 3, armed.torch3);
    PutWeapon(armed.player, 5, armed.torch5);
    const int32_t words[5] = {99, 2, -1, 3, 5};
    for (int i = 0; i < 5; ++i) SetSlotWord(armed.player, i, words[i]);
    return armed;
}

}  // namespace

int TorchToggle(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = kTorchAndSideButtons;
    if (!Boot(context, options, &session)) return FinishRun("torch_toggle");
    TorchPlayer armed = ArmedPlayer();
    KeepPlayerRecords(armed.player);
    void* player = armed.player;
    void* torch3 = armed.torch3;
    void* torch5 = armed.torch5;
    Script script;
    ShowStartAndSettle(script);
    script.Do([] {
        CheckPagesAsBuilt();
        CheckGameRecords("after installation");
    });
    EnterPlay(script, player);
    script.Do([] { ClearInventoryQueries(); }).After(60).Do([] {
        const std::vector<int32_t>& q = InventoryQueries();
        Check(q.size() >= 3 && q[0] == 2 && q[1] == -1 && q[2] == 3,
              "the current weapon is looked up by the slot words in order, 99 skipped, -1 tried");
    });
    // The tick count wraps 150 ms after the press, while the torch is kept lit.
    SetClockStart(0u - (script.cursor + 150));
    script.KeyDown('L').After(700).Do([=] {
        Check(CallsFor(torch3, true) >= 1 && WeaponLit(torch3), "a press lights the torch of the slot-3 weapon");
        Check(LogLines().size() == 1 && LogLines()[0] == ExpectedLog("ON", torch3),
              "one log line for a held key: \"" + ExpectedLog("ON", torch3) + "\"");
        size_t reasserts = 0;
        bool spaced = ReassertsSpaced(torch3, &reasserts);
        Check(spaced && reasserts >= 2,
              "while lit, the torch is switched on again every 250+ ms, across a wrap of the tick count (" +
                  std::to_string(reasserts) + " times)");
    });
    script.KeyUp('L').After(300);
    script.Tap('L').Do([=] {
        Check(CallsFor(torch3, false) == 1 && !WeaponLit(torch3), "the next press puts it out");
        Check(LogLines().size() == 2 && LogLines()[1] == ExpectedLog("OFF", torch3), "and logs OFF");
    });
    script.Tap('L');  // on again, then the weapon changes under it
    script.Do([=] {
        CheckGameRecords("after torch toggles");
        SetSlotWord(player, 3, 5);
        KeepPlayerRecords(player);  // the game's own change
    }).After(300);
    script.Tap('L').Do([=] {
        Check(CallsFor(torch5, true) >= 1 && WeaponLit(torch5), "after a weapon change the next press lights the new one");
        Check(WeaponLit(torch3) && CallsFor(torch3, false) == 1, "the old weapon's torch is left as it was");
        Check(LogLines().size() == 4 && LogLines()[3] == ExpectedLog("ON", torch5), "the log names the new weapon");
    });
    script.Do([] { ShowPage("mymovementkeys"); }).After(200);
    script.Tap('L').Do([] {
        Check(LogLines().size() == 4, "on a custom page the torch key does nothing");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    CheckGameRecords("after the torch of the new weapon");
    for (const std::string& line : LogLines()) std::printf("log: %s\n", line.c_str());
    return FinishRun("torch_toggle");
}

int TorchFaults(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = kTorchOnL;
    if (!Boot(context, options, &session)) return FinishRun("torch_faults");
    void* player = NewPlayer();
    void* brokenAttachment = NewWeapon(false, 0);
    SetWeaponAttachment(brokenAttachment, UnmappedAddress());
    void* faultyTorch = NewWeapon(true, 1);
    SetWeaponFaulty(faultyTorch, true);
    PutWeapon(player, 0, brokenAttachment);
    PutWeapon(player, 1, faultyTorch);
    SetInventoryPointer(player, UnmappedAddress());

    Script script;
    ShowStartAndSettle(script);
    EnterPlay(script, player);
    script.Do([] { ClearInventoryQueries(); }).After(60).Do([] {
        const std::vector<int32_t>& q = InventoryQueries();
        Check(q.size() >= 2 && q[0] == 0 && q[1] == 1,
              "with an unreadable inventory the slots 0.. are tried, the faulting attachment skipped");
    });
    script.Tap('L').Do([=] {
        Check(LogLines().size() == 1 && LogLines()[0] == ExpectedLog("ON", faultyTorch),
              "a torch call that faults is survived and the toggle still logged");
        Check(TorchCalls().empty(), "the faulting call recorded nothing");
    });
    script.Do([] { SetBindingSlotByte(48, 0); }).After(1200).Do([] {
        Check(BindingSlotByte(48) == 38, "the worker carries on after the faults (48 forced back to L)");
    });
    script.Do([=] { SetWeaponFaulty(faultyTorch, false); });
    script.Tap('L').Do([=] {
        Check(CallsFor(faultyTorch, false) == 1, "the next press reaches the game: torch off");
        Check(LogLines().size() == 2 && LogLines()[1] == ExpectedLog("OFF", faultyTorch), "and logs OFF");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("torch_faults");
}

}  // namespace standin
