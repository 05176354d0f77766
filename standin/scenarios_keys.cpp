// Keys beyond the letters: Caps Lock, the arrows and right Control bound,
// named, written and read back at the next launch; keys with no code passed
// over; and names asked by game threads while the worker is busy.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "checks.h"
#include "expected_file.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "key_name_site.h"
#include "scenarios.h"

namespace standin {
namespace {

constexpr int32_t kNormalColour[] = {200, 210, 175, 170};

struct Bound {
    const char* page;
    const char* item;
    int action;
    uint8_t slotByte;
    int32_t code;
    const char* name;
    const char* fileLine;
};

const Bound kCapsLock{"mymovementkeys", "17", 17, 58, 58, "CAPITAL", "17=CAPITAL ; MOVE_FORWARD"};
const Bound kUpArrow{"mymovementkeys", "18", 18, 0xC8, 200, "UP", "18=UP ; MOVE_BACKWARDS"};
const Bound kRightControl{"mymovementkeys", "19", 19, 0x9D, 157, "RCONTROL", "19=RCONTROL ; MOVE_LEFT_STRAFE"};
const Bound kIsoKey{"mymovementkeys", "20", 20, 86, 86, "OEM_102", "20=OEM_102 ; MOVE_RIGHT_STRAFE"};
const Bound kTorchOnCapsLock{"myactionkeys", "48", 48, 58, 58, "CAPITAL", "48=CAPITAL ; TOGGLE_TORCH"};

void CheckBound(const Session& session, const Bound& b, const std::string& when) {
    std::string what = std::string(" for ") + b.item + " " + when;
    Check(BindingSlotByte(b.action) == b.slotByte, "the table slot holds the key" + what);
    uint8_t* item = FindItem(FindPage(b.page), b.item);
    Check(item && ItemValue(item) == b.code, "the item holds " + std::to_string(b.code) + what);
    CheckDrawn(b.page, b.item, b.name);
    Check(FileHasLine(ReadFile(session.iniPath), b.fileLine), std::string("the file says \"") + b.fileLine + "\"");
}

void CaptureAndCheck(Script& script, const Session& session, const Bound& b, std::function<void(Script&)> press) {
    CaptureOnItem(script, b.item, std::move(press));
    script.Do([&session, b] {
        CheckBound(session, b, "at once");
        CheckWrittenFile(ReadFile(session.iniPath), std::string("after capturing ") + b.name);
    });
}

void Tapper(Script& s, int virtualKey) { TapKeyForCapture(s, virtualKey); }

// Windows reports a held right Control under the generic code too.
void TapRightControl(Script& s) {
    s.KeyDown(VK_CONTROL).KeyDown(VK_RCONTROL).After(300).KeyUp(VK_RCONTROL).KeyUp(VK_CONTROL);
}

// The middle button has no code: the item keeps waiting and nothing is
// written, until a key that has one is pressed.
void MiddleButtonThenIsoKey(Script& s, const Session& session) {
    struct Before {
        std::string file;
        uint8_t slot = 0;
    };
    auto before = std::make_shared<Before>();
    s.Do([&session, before] {
        before->file = ReadFile(session.iniPath);
        before->slot = BindingSlotByte(20);
    });
    s.KeyDown(VK_MBUTTON).After(600).Do([&session, before] {
        uint8_t* item = FindItem(CurrentPage(), "20");
        Check(item && ItemValue(item) == -1, "with the middle button held, item 20 still waits for a key");
        CheckDrawn("mymovementkeys", "20", "PRESS A KEY");
        Check(BindingSlotByte(20) == before->slot, "the middle button leaves the table slot as it was");
        Check(ReadFile(session.iniPath) == before->file, "the middle button leaves the file as it was");
    });
    s.KeyUp(VK_MBUTTON).After(300);
    TapKeyForCapture(s, VK_OEM_102);
}

}  // namespace

int NamedKeys(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("named_keys");
    void* player = NewPlayer();
    void* torch = NewWeapon(true, 1);
    PutWeapon(player, 0, torch);
    SetSlotWord(player, 0, 0);
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    CaptureAndCheck(script, session, kCapsLock, [](Script& s) { Tapper(s, VK_CAPITAL); });
    CaptureAndCheck(script, session, kUpArrow, [](Script& s) { Tapper(s, VK_UP); });
    CaptureAndCheck(script, session, kRightControl, TapRightControl);
    CaptureAndCheck(script, session, kIsoKey, [&session](Script& s) { MiddleButtonThenIsoKey(s, session); });
    SwitchCustomPage(script, "myactionkeys");
    CaptureAndCheck(script, session, kTorchOnCapsLock, [](Script& s) { Tapper(s, VK_CAPITAL); });
    SwitchCustomPage(script, "mymovementkeys");
    script.Do([&session] {
        for (const Bound& b : {kCapsLock, kUpArrow, kRightControl, kIsoKey}) CheckBound(session, b, "on re-entry");
    });
    script.Do([] { ShowPage("start"); }).After(200);
    EnterPlay(script, player);
    script.Tap(VK_CAPITAL).Do([torch] {
        Check(WeaponLit(torch) && LogLines().size() == 1, "Caps Lock lights the torch");
    });
    script.Tap(VK_CAPITAL).Do([torch] {
        Check(!WeaponLit(torch) && LogLines().size() == 2, "Caps Lock again puts it out");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    std::string where;
    Check(TableOutsideMappableUntouched(&where), "bytes 1..3 and unmappable slots untouched " + where);
    return FinishRun("named_keys");
}

int NamedKeysRestart(const RunContext& context) {
    PrepareFolder(context.folder, true);
    if (!RunChildScenario(context, "named_keys")) return FinishRun("named_keys_restart");
    Session session;
    BootOptions options;
    options.emptyFolder = false;
    if (!Boot(context, options, &session)) return FinishRun("named_keys_restart");
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    script.Do([&session] {
        for (const Bound& b : {kCapsLock, kUpArrow, kRightControl, kIsoKey}) {
            CheckBound(session, b, "after the restart");
            uint8_t* item = FindItem(CurrentPage(), b.item);
            const int32_t* c = kNormalColour;
            Check(item && ItemSelectable(item) && ItemColourIs(item, c[0], c[1], c[2], c[3]),
                  std::string("item ") + b.item + " is built selectable, in the normal colour");
        }
    });
    const Bound pageDown{"mymovementkeys", "17", 17, 0xD1, 209, "NEXT", "17=NEXT ; MOVE_FORWARD"};
    const Bound apostrophe{"mymovementkeys", "18", 18, 40, 40, "APOSTROPHE", "18=APOSTROPHE ; MOVE_BACKWARDS"};
    const Bound rightAlt{"mymovementkeys", "19", 19, 0xB8, 184, "RMENU", "19=RMENU ; MOVE_LEFT_STRAFE"};
    CaptureAndCheck(script, session, pageDown, [](Script& s) { Tapper(s, VK_NEXT); });
    CaptureAndCheck(script, session, apostrophe, [](Script& s) { Tapper(s, VK_OEM_7); });
    CaptureAndCheck(script, session, rightAlt, [](Script& s) {
        s.KeyDown(VK_MENU).KeyDown(VK_RMENU).After(300).KeyUp(VK_RMENU).KeyUp(VK_MENU);
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("named_keys_restart");
}

}  // namespace standin
