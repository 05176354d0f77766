// Capturing keys on the custom pages, the names the game draws, and reset.
#include <windows.h>

#include "checks.h"
#include "expected_file.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "kept_records.h"
#include "key_name_site.h"
#include "scenarios.h"

namespace standin {
namespace {

void CheckCaptured(const Session& session, const char* page, const char* item, int action, uint8_t slotByte,
                   int32_t itemValue, const char* drawn, const char* fileLine) {
    std::string what = std::string(" after capturing for ") + item;
    Check(BindingSlotByte(action) == slotByte, "the table slot holds the new key" + what);
    uint8_t* menuItem = FindItem(FindPage(page), item);
    Check(menuItem && ItemValue(menuItem) == itemValue, "the item shows the captured code" + what);
    CheckDrawn(page, item, drawn);
    std::string file = ReadFile(session.iniPath);
    Check(FileHasLine(file, fileLine), std::string("the file says \"") + fileLine + "\"");
    CheckWrittenFile(file, what.substr(1));
}

// The three rebindings that rebind_keys makes; second_launch relies on them.
void RebindThree(Script& script, const Session& session) {
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([&] { CheckCaptured(session, "mymovementkeys", "17", 17, 23, 23, "I", "17=I ; MOVE_FORWARD"); });
    SwitchCustomPage(script, "myactionkeys");
    CaptureOnItem(script, "3", [](Script& s) { TapKeyForCapture(s, VK_XBUTTON1); });
    script.Do([&] {
        CheckCaptured(session, "myactionkeys", "3", 3, 0xE4, -28, "MOUSE X1", "3=MOUSE_X1 ; RELOAD");
    });
    CaptureOnItem(script, "0", [](Script& s) { TapKeyForCapture(s, VK_LBUTTON); });
    script.Do([&] { CheckCaptured(session, "myactionkeys", "0", 0, 0xDE, 222, "MOUSE LEFT", "0=MOUSE_LEFT ; USE"); });
}

}  // namespace

int RebindKeys(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("rebind_keys");
    Script script;
    ShowStartAndSettle(script);
    RebindThree(script, session);
    RunPlugin(session, std::move(script), 1, false, nullptr);
    std::string where;
    Check(TableOutsideMappableUntouched(&where), "bytes 1..3 and unmappable slots untouched " + where);
    return FinishRun("rebind_keys");
}

int KeyNames(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("key_names");
    Script script;
    ShowStartAndSettle(script);
    script.Do([] {
        const int32_t codes[] = {0,  -1,  2,   11, 1,   46,  -34, 222, -32, 224, -28, -29, 156, 157,
                                 84, 200, 201, 86, 221, 228, 255, -99, -100, -33, -2, -128, 256};
        std::string wrong;
        for (int32_t code : codes) {
            std::string drawn = DrawKeyName(code);
            if (drawn != ExpectedDisplayName(code)) wrong.append(" ").append(std::to_string(code)).append("->" + drawn);
        }
        Check(wrong.empty(), "the game draws the plug-in's name for every code tried" + wrong);
    });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] {
        const struct {
            const char* item;
            const char* name;
        } kShown[] = {{"17", "W"}, {"18", "S"}, {"2", "X"}, {"12", "G"}, {"29", "RCONTROL"}, {"11", "SPACE"}};
        for (const auto& s : kShown) CheckDrawn("mymovementkeys", s.item, s.name);
    });
    CaptureOnItem(script, "21", [](Script& s) {
        s.Do([] { CheckDrawn("mymovementkeys", "21", "PRESS A KEY"); });
        TapKeyForCapture(s, VK_F5);
    });
    script.Do([] { CheckDrawn("mymovementkeys", "21", "F5"); });
    script.Do([] { ShowPage("movementkeys"); }).After(200).Do([] {
        CheckDrawn("movementkeys", "g_fwd", "W");  // the game's own page goes through the same call
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    // Drawn from this thread too: the game draws from threads of its own.
    Check(DrawKeyName(157) == "RCONTROL" && DrawKeyName(0) == "*No Keybind Set*",
          "names drawn from the game's main thread are the plug-in's too");
    return FinishRun("key_names");
}

int Reset(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("reset");
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([] { CheckGameRecords("after a capture"); });
    script.Do([] { Check(SelectItemByName("reset_button"), "the cursor reaches reset"); });
    script.Tap(VK_RETURN);
    script.Do([&] {
        std::string wrong;
        for (int action : kMappableActions)
            if (static_cast<int8_t>(BindingSlotByte(action)) != PluginDefaultKey(action))
                wrong.append(" ").append(std::to_string(action));
        Check(wrong.empty(), "every mappable action holds the plug-in's default in the table" + wrong);
        bool itemsShowDefaults = true;
        for (uint8_t* item : PageItems(CurrentPage()))
            if (ItemKind(item) == kKindKeyBind)
                itemsShowDefaults &= ItemValue(item) == PluginDefaultKey(std::stoi(ItemName(item)));
        Check(itemsShowDefaults, "the movement page's items show the defaults at once");
        CheckGameRecords("after a reset");
        std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "after reset");
        Check(FileHasLine(file, "0=SPACE ; USE") && FileHasLine(file, "12=NONE ; GRAPPLE") &&
                  FileHasLine(file, "29=LSHIFT ; RUN") && FileHasLine(file, "17=W ; MOVE_FORWARD"),
              "the file holds the defaults");
    });
    SwitchCustomPage(script, "myactionkeys");
    script.Do([] {
        uint8_t* use = FindItem(CurrentPage(), "0");
        Check(use && ItemValue(use) == 57, "the action page shows the default on its next opening (USE = SPACE)");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    std::string where;
    Check(TableOutsideMappableUntouched(&where), "bytes 1..3 and unmappable slots untouched " + where);
    return FinishRun("reset");
}

int CaptureHeld(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("capture_held");
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "18", [](Script& s) {
        // The game leaves the page by itself while the item waits, and changes a key.
        s.Do([] {
            ShowPage("controls");
            SetBindingSlotByte(17, 44);
        });
        s.After(1500).Do([] {
            Check(BindingSlotByte(17) == 44, "while a capture is held off the page, nothing is re-applied");
            Check(SelectItemByName("myactionkeys"), "the cursor reaches the link myactionkeys");
        });
        s.Tap(VK_RETURN);  // still held when the action page opens: it must not be taken as the key
        s.Do([] { Check(BindingSlotByte(17) == 17, "opening a custom page forces the overrides back at once"); });
        s.After(300);
        TapKeyForCapture(s, 'K');
    });
    script.Do([&] {
        Check(BindingSlotByte(18) == 37, "the key pressed on the other page binds the item where the capture began");
        uint8_t* item = FindItem(FindPage("mymovementkeys"), "18");
        Check(item && ItemValue(item) == 37, "that item shows K");
        Check(FileHasLine(ReadFile(session.iniPath), "18=K ; MOVE_BACKWARDS"), "the file says 18=K");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("capture_held");
}

int ShiftCapture(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("shift_capture");
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "17", [](Script& s) {
        // Windows reports a held left Shift under both codes.
        s.KeyDown(VK_SHIFT).KeyDown(VK_LSHIFT).After(300).KeyUp(VK_LSHIFT).KeyUp(VK_SHIFT);
    });
    script.Do([&] {
        CheckCaptured(session, "mymovementkeys", "17", 17, 42, 42, "LSHIFT", "17=LSHIFT ; MOVE_FORWARD");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("shift_capture");
}

}  // namespace standin
