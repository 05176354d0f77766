// The game asks for key names from threads of its own, at any moment: two
// threads ask as fast as they can while the worker captures, resets and saves,
// and every name must be the one of the code asked.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "checks.h"
#include "expected_file.h"
#include "game_frontend.h"
#include "key_name_site.h"
#include "scenarios.h"

namespace standin {
namespace {

constexpr int32_t kLowestAsked = -130;  // beyond the game's signed bytes on both sides
constexpr int32_t kHighestAsked = 260;

struct NameRace {
    std::vector<std::string> expected;  // by code - kLowestAsked
    volatile LONG stop = 0;
    volatile LONG calls = 0;
    volatile LONG wrong = 0;
    CRITICAL_SECTION firstWrongLock;
    std::string firstWrong;
};

NameRace race;

struct Asker {
    int32_t firstCode;
};

DWORD WINAPI AskNames(LPVOID parameter) {
    int32_t code = static_cast<Asker*>(parameter)->firstCode;
    while (!race.stop) {
        const std::string drawn = DrawKeyName(code);
        if (drawn != race.expected[code - kLowestAsked] && InterlockedIncrement(&race.wrong) == 1) {
            EnterCriticalSection(&race.firstWrongLock);
            race.firstWrong = std::to_string(code) + " drawn as \"" + drawn + "\"";
            LeaveCriticalSection(&race.firstWrongLock);
        }
        InterlockedIncrement(&race.calls);
        code = code == kHighestAsked ? kLowestAsked : code + 1;
    }
    return 0;
}

// The two threads start at opposite ends of the range, so they mostly ask for
// different names at the same moment.
Asker askers[2] = {{kLowestAsked}, {(kLowestAsked + kHighestAsked) / 2}};
HANDLE threads[2] = {};

void StartAskers() {
    for (int i = 0; i < 2; ++i) threads[i] = CreateThread(nullptr, 0, AskNames, &askers[i], 0, nullptr);
}

void StopAskers() {
    InterlockedExchange(&race.stop, 1);
    for (HANDLE& thread : threads) {
        if (!thread) continue;
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        thread = nullptr;
    }
}

}  // namespace

int KeyNameThreads(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("key_name_threads");
    InitializeCriticalSection(&race.firstWrongLock);
    for (int32_t code = kLowestAsked; code <= kHighestAsked; ++code) race.expected.push_back(ExpectedDisplayName(code));
    auto callsAtStart = std::make_shared<LONG>(0);
    Script script;
    ShowStartAndSettle(script);  // the call is redirected from here on
    script.Do([callsAtStart] {
        StartAskers();
        Check(threads[0] && threads[1], "two game threads ask for key names");
        // A real wait: both are asking before the worker goes on, however
        // slowly the machine starts them.
        for (int waited = 0; race.calls < 2 && waited < 10000; waited += 10) Sleep(10);
        *callsAtStart = race.calls;
    });
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, VK_CAPITAL); });
    script.Do([] { Check(SelectItemByName("reset_button"), "the cursor reaches reset"); });
    script.Tap(VK_RETURN);
    CaptureOnItem(script, "18", [](Script& s) { TapKeyForCapture(s, VK_UP); });
    CaptureOnItem(script, "19", [](Script& s) {
        s.KeyDown(VK_CONTROL).KeyDown(VK_RCONTROL).After(300).KeyUp(VK_RCONTROL).KeyUp(VK_CONTROL);
    });
    SwitchCustomPage(script, "myactionkeys");
    script.Do([&session, callsAtStart] {
        Check(*callsAtStart > 0 && race.calls > *callsAtStart,
              "the threads kept asking while the worker captured, reset and saved (" +
                  std::to_string(race.calls - *callsAtStart) + " names)");
        Check(FileHasLine(ReadFile(session.iniPath), "19=RCONTROL ; MOVE_LEFT_STRAFE"),
              "the worker's work is done: the file holds the last capture");
        StopAskers();
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    StopAskers();
    Check(race.wrong == 0, "every name a thread got is the name of its code (" + std::to_string(race.wrong) +
                               " wrong of " + std::to_string(race.calls) +
                               (race.firstWrong.empty() ? "" : "; first: " + race.firstWrong) + ")");
    return FinishRun("key_name_threads");
}

}  // namespace standin
