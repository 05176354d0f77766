#include "measure.h"

#include <windows.h>

#include <cstdio>

#include "checks.h"
#include "game_frontend.h"
#include "game_player.h"
#include "virtual_world.h"

namespace standin {
namespace {

constexpr uint32_t kVirtualMinuteMs = 60000;
constexpr uint32_t kLongRunMinutes = 100;  // GetThreadTimes under Wine counts in 10 ms steps

struct Mark {
    double cpuMs;   // the worker's kernel + user time (GetThreadTimes)
    double wallMs;  // real time; in lockstep the worker never waits, so this bounds its work from above
    uint32_t sleeps;  // the worker's Sleep calls so far: one or two per tick
};

double FileTimeMs(FILETIME t) {
    return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
}

Mark Now() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return {FileTimeMs(kernel) + FileTimeMs(user),
            1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart),
            Hooks().workerSleeps};
}

void Report(const char* what, Mark from, Mark to, uint32_t minutes) {
    double cpu = (to.cpuMs - from.cpuMs) / minutes;
    double wall = (to.wallMs - from.wallMs) / minutes;
    std::printf("measure: %-34s processor %7.2f ms/min = %.5f%% of one core (lockstep real time %.2f ms/min, "
                "%u sleeps/min)\n",
                what, cpu, 100.0 * cpu / kVirtualMinuteMs, wall, (to.sleeps - from.sleeps) / minutes);
}

// One virtual minute, then a long stretch for an average the coarse clock can see.
void Span(Script& script, Mark* marks) {
    script.Do([marks] { marks[0] = Now(); }).After(kVirtualMinuteMs).Do([marks] { marks[1] = Now(); });
    script.After(kVirtualMinuteMs * kLongRunMinutes).Do([marks] { marks[2] = Now(); });
}

}  // namespace

int RunMeasure(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = "48=L\r\n";  // so the torch step does its whole walk every tick
    if (!Boot(context, options, &session)) return 1;
    void* player = NewPlayer();
    PutWeapon(player, 7, NewWeapon(true, 1));
    SetCurrentPlayer(player);
    Mark play[3] = {}, page[3] = {};
    Script script;
    ShowStartAndSettle(script);
    script.Do([] { SelectItemByName("play"); }).Tap(VK_RETURN).After(500);
    Span(script, play);
    script.Do([] { ShowPage("start"); }).After(300);
    OpenFromStart(script, "mymovementkeys");
    Span(script, page);
    if (!RunPlugin(session, std::move(script), 1, false, nullptr)) return 1;
    Report("in play, one minute (torch step on)", play[0], play[1], 1);
    Report("in play, average of 100 minutes", play[1], play[2], kLongRunMinutes);
    Report("on mymovementkeys, one minute", page[0], page[1], 1);
    Report("on mymovementkeys, average of 100", page[1], page[2], kLongRunMinutes);
    return FailureCount() ? 1 : 0;
}

}  // namespace standin
