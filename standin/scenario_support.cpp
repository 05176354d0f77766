#include "scenario_support.h"

#include <windows.h>

#include <cstdio>

#include "checks.h"
#include "game_frontend.h"
#include "game_image.h"
#include "game_player.h"
#include "key_name_site.h"
#include "process_snapshot.h"

namespace standin {

bool Boot(const RunContext& context, const BootOptions& options, Session* session) {
    WorldOptions world;
    world.failCallSiteProtection = options.failCallSiteProtection;
    ResetWorld(world);
    std::string why;
    if (!Check(BuildGameImage(options.knownBuild, &why), "the game image covers every fixed address " + why))
        return false;
    if (!Check(PrepareFolder(context.folder, options.emptyFolder && context.freshFolder), "scenario folder " + context.folder))
        return false;
    if (options.iniText && !Check(WriteTextFile(context.folder + "DuskvaleKeys.ini", options.iniText),
                                  "hand-written binding file in place"))
        return false;
    if (!options.loadPlugin) return PlacePlugin(context.asi, context.folder, session);
    return LoadPlugin(context.asi, context.folder, session);
}

void ShowStartAndSettle(Script& script) {
    script.After(1000).Do([] { ShowPage("start"); }).After(800);
}

void OpenFromStart(Script& script, const char* customPage) {
    script.Do([] { Check(SelectItemByName("controls"), "the cursor reaches \"controls\" on start"); });
    script.Tap(VK_RETURN);
    std::string page = customPage;
    script.Do([page] { Check(SelectItemByName(page), "the cursor reaches the link " + page + " on controls"); });
    script.Tap(VK_RETURN);
    script.Do([page] { Check(CurrentPageName() == page, "the game shows " + page + " (shows " +
                                                             CurrentPageName() + ")"); });
    script.After(400);
}

void SwitchCustomPage(Script& script, const char* customPage) {
    script.Do([] { Check(SelectItemByName("controls"), "the cursor reaches \"apply\""); });
    script.Tap(VK_RETURN);
    std::string page = customPage;
    script.Do([page] { Check(SelectItemByName(page), "the cursor reaches the link " + page); });
    script.Tap(VK_RETURN);
    script.Do([page] { Check(CurrentPageName() == page, "the game shows " + page); });
    script.After(400);
}

void CaptureOnItem(Script& script, const char* itemName, std::function<void(Script&)> press) {
    std::string name = itemName;
    script.Do([name] { Check(SelectItemByName(name), "the cursor reaches item " + name); });
    script.KeyDown(VK_RETURN).After(150);
    script.Do([name] {
        uint8_t* item = FindItem(CurrentPage(), name);
        Check(item && ItemValue(item) == -1, "item " + name + " waits for a key (value -1)");
    });
    script.After(150).KeyUp(VK_RETURN).After(300);
    press(script);
    script.After(300);
}

void TapKeyForCapture(Script& script, int virtualKey) { script.Tap(virtualKey, 300, 0); }

void EnterPlay(Script& script, void* player) {
    script.Do([] { Check(SelectItemByName("play"), "the cursor reaches NEW GAME"); });
    script.Tap(VK_RETURN);
    script.Do([player] { SetCurrentPlayer(player); }).After(200);
}

void CheckDrawn(const char* page, const char* itemName, const std::string& expected) {
    uint8_t* item = FindItem(FindPage(page), itemName);
    std::string drawn = item ? DrawKeyName(ItemValue(item)) : "(no item)";
    Check(drawn == expected, std::string("the game draws \"") + expected + "\" for " + page + " item " + itemName +
                                 " (draws \"" + drawn + "\")");
}

void CheckOneWorker(const Session& session) {
    const int started = CountThreads() - session.threadsBeforeLoad;
    Check(Hooks().createThreadCalls == 1 && started == 1,
          "the plug-in started one worker thread (" + std::to_string(Hooks().createThreadCalls) +
              " CreateThread calls, " + std::to_string(started) + " threads more than before the load)");
}

int FinishRun(const char* scenario) {
    Check(KeyNameStackAlwaysBalanced(), "every key-name call left the stack as the game's call site expects");
    ReportViolations();
    int failures = FailureCount();
    std::printf("%s: scenario %s (%d failure%s)\n", failures ? "FAIL" : "PASS", scenario, failures,
                failures == 1 ? "" : "s");
    std::fflush(stdout);
    return failures ? 1 : 0;
}

bool RunChildScenario(const RunContext& context, const char* scenario) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    // Without its last backslash, which would escape the closing quote.
    std::string folder = context.folder.substr(0, context.folder.size() - 1);
    std::string command = std::string("\"") + self + "\" scenario-in " + scenario + " \"" + context.asi +
                          "\" \"" + folder + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::fflush(stdout);
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return Check(false, std::string("start the earlier launch (") + scenario + ")");
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Check(code == 0, std::string("the earlier launch (") + scenario + ") passed");
}

}  // namespace standin
