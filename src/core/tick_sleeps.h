#pragma once
#include <cstdint>

namespace dk {

// How a controller tick ended; each way has its own sleep.
enum class TickEnd {
    NoCustomPage,
    CaptureAwaitingRelease,  // Enter not yet released since the capture began
    CaptureTooSoon,          // no more than the capture delay since the press
    CaptureNoKey,
    CaptureTookKey,          // whatever followed
    PressNotTaken,
    PressTaken,              // whatever followed
};

struct TickSleep {
    TickEnd end;
    uint32_t firstMs;
    uint32_t thenMs;  // 0: no second sleep
};

inline constexpr TickSleep kTickSleeps[] = {
    {TickEnd::NoCustomPage, 50, 0},
    {TickEnd::CaptureAwaitingRelease, 30, 0},
    {TickEnd::CaptureTooSoon, 50, 0},
    {TickEnd::CaptureNoKey, 50, 0},
    {TickEnd::CaptureTookKey, 150, 50},
    {TickEnd::PressNotTaken, 50, 0},
    {TickEnd::PressTaken, 150, 50},
};

// Sleeps as the table says for that end, and hands the end back.
TickEnd SleepAfterTick(TickEnd end);

}  // namespace dk
