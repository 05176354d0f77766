// The player's real desk: a keyboard that is not a US one on the game's
// thread alone, and other programs' windows, or none, in front of the game.
#include <windows.h>

#include "checks.h"
#include "expected_file.h"
#include "fake_keyboard_layouts.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "key_name_site.h"
#include "player_desk.h"
#include "scenarios.h"

namespace standin {
namespace {

constexpr uint8_t kUsWPlace = 17, kUsQPlace = 16, kK = 37, kF = 33;

void CheckNames(const char* layout, std::initializer_list<std::pair<int32_t, const char*>> names) {
    std::string wrong;
    for (const auto& [code, name] : names) {
        const std::string drawn = DrawKeyName(code);
        if (drawn != name) wrong.append(" ").append(std::to_string(code)).append("->" + drawn);
    }
    Check(wrong.empty(), std::string("the game draws the ") + layout + " keyboard's labels" + wrong);
}

void* PlayerWithTorch() {
    void* player = NewPlayer();
    PutWeapon(player, 0, NewWeapon(true, 1));
    SetSlotWord(player, 0, 0);
    return player;
}

}  // namespace

int KeyboardLayouts(const RunContext& context) {
    Session session;
    BootOptions options;
    // Move forward away from its default, and the torch at US Q's place.
    options.iniText = "17=K\r\n48=Q\r\n";
    if (!Boot(context, options, &session)) return FinishRun("keyboard_layouts");
    // The game's thread only: the plug-in's worker types with US all along.
    SetGameLayout(dk::fake::kAzertyLayout);
    void* player = PlayerWithTorch();
    Script script;
    ShowStartAndSettle(script);
    script.Do([] { CheckNames("AZERTY", {{17, "Z"}, {30, "Q"}, {31, "S"}, {32, "D"}, {16, "A"}, {50, ","}}); });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] {
        CheckDrawn("mymovementkeys", "19", "Q");
        CheckDrawn("mymovementkeys", "18", "S");
        CheckDrawn("mymovementkeys", "20", "D");
        CheckDrawn("mymovementkeys", "17", "K");
    });
    // The ZQSD habit: the key labelled Z binds the place of US W.
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'Z'); });
    script.Do([&session] {
        Check(BindingSlotByte(17) == kUsWPlace, "the key labelled Z binds move forward to its place, 17");
        CheckDrawn("mymovementkeys", "17", "Z");
        const std::string file = ReadFile(session.iniPath);
        Check(FileHasLine(file, "17=W ; MOVE_FORWARD"), "the file names the place as on a US keyboard: 17=W");
        CheckWrittenFile(file, "after a capture on AZERTY");
    });
    SwitchCustomPage(script, "myactionkeys");
    SwitchCustomPage(script, "mymovementkeys");
    script.Do([] { CheckDrawn("mymovementkeys", "17", "Z"); });
    script.Do([] { ShowPage("start"); }).After(200);
    EnterPlay(script, player);
    script.Tap('Q').Do([] { Check(LogLines().empty(), "the key labelled Q leaves the torch at US Q's place alone"); });
    script.Tap('A').Do([] {
        Check(LogLines().size() == 1, "the key labelled A, at US Q's place, toggles the torch bound to 16");
    });
    script.Do([] { SetGameLayout(dk::fake::kQwertzLayout); }).After(1100);
    script.Do([] { CheckNames("QWERTZ, switched to while the game runs,", {{21, "Z"}, {44, "Y"}, {17, "W"}}); });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    Check(BindingSlotByte(48) == kUsQPlace, "the torch stays bound to the place 16");
    return FinishRun("keyboard_layouts");
}

int OtherWindows(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = "48=L\r\n";
    if (!Boot(context, options, &session)) return FinishRun("other_windows");
    void* player = PlayerWithTorch();
    Script script;
    ShowStartAndSettle(script);
    EnterPlay(script, player);
    script.Do([] { PutOtherProgramInFront(); });
    script.Tap('L').Do([] { Check(LogLines().empty(), "the torch key typed into another program toggles nothing"); });
    script.Do([] { PutNoWindowInFront(); }).After(100);
    script.Tap('L').Do([] { Check(LogLines().empty(), "the torch key pressed with no window in front does nothing"); });
    script.Do([] { PutGameInFront(); }).After(100);
    script.Tap('L').Do([] { Check(LogLines().size() == 1, "the torch key typed into the game toggles the torch"); });

    script.Do([] { ShowPage("start"); }).After(200);
    OpenFromStart(script, "mymovementkeys");
    script.Do([] {
        Check(SelectItemByName("18"), "the cursor reaches item 18");
        PutOtherProgramInFront();
    });
    script.Tap(VK_RETURN).Do([] {
        uint8_t* item = FindItem(CurrentPage(), "18");
        Check(item && ItemValue(item) != -1, "Enter typed into another program starts no capture");
        PutGameInFront();
    });
    script.After(400);
    CaptureOnItem(script, "18", [](Script& s) {
        s.Do([] { PutOtherProgramInFront(); });
        s.Tap('K').Do([] {
            uint8_t* item = FindItem(CurrentPage(), "18");
            Check(item && ItemValue(item) == -1 && BindingSlotByte(18) != kK,
                  "a key typed into another program is not taken: the item keeps waiting");
        });
        // Back by Alt+Tab: for a moment no window is in front, and Alt goes down.
        s.Do([] { PutNoWindowInFront(); }).After(100);
        s.Tap('K').Do([] {
            uint8_t* item = FindItem(CurrentPage(), "18");
            Check(item && ItemValue(item) == -1, "a key pressed with no window in front is not taken");
        });
        s.KeyDown(VK_MENU).KeyDown(VK_LMENU).After(100).Do([] { PutGameInFront(); }).After(400).Do([] {
            uint8_t* item = FindItem(CurrentPage(), "18");
            Check(item && ItemValue(item) == -1, "Alt still held from Alt+Tab is not bound");
        });
        s.KeyUp(VK_LMENU).KeyUp(VK_MENU).After(100);
        TapKeyForCapture(s, 'F');
    });
    script.Do([&session] {
        Check(BindingSlotByte(18) == kF, "the next key pressed in the game is bound");
        Check(FileHasLine(ReadFile(session.iniPath), "18=F ; MOVE_BACKWARDS"), "the file says 18=F");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("other_windows");
}

}  // namespace standin
