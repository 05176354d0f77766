#include "core/plugin_start.h"

#include <atomic>

namespace dk {

namespace {

std::atomic<StartEntry> startedFrom{StartEntry::None};
std::atomic<bool> lateInitializeCall{false};
std::atomic<bool> lateInitializeTold{false};
std::atomic<uint32_t> pinFailure{0};

}  // namespace

bool ClaimStart(StartEntry entry) {
    StartEntry none = StartEntry::None;
    if (startedFrom.compare_exchange_strong(none, entry)) return true;
    if (entry == StartEntry::InitializeASI) lateInitializeCall.store(true);
    return false;
}

StartEntry StartedFrom() { return startedFrom.load(); }

bool TakeLateInitializeCall() { return lateInitializeCall.load() && !lateInitializeTold.exchange(true); }

void NotePinFailure(uint32_t error) { pinFailure.store(error); }

uint32_t PinFailure() { return pinFailure.load(); }

void ResetPluginStart() {
    startedFrom.store(StartEntry::None);
    lateInitializeCall.store(false);
    lateInitializeTold.store(false);
    pinFailure.store(0);
}

}  // namespace dk
