// Whichever entry a loader calls first starts the one worker; later calls
// only leave a note, whatever their order or number, and on any thread.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/plugin_start.h"

namespace dk::testing {
namespace {

constexpr StartEntry D = StartEntry::DllMain;
constexpr StartEntry I = StartEntry::InitializeASI;

struct CallOrder {
    const char* name;
    std::vector<StartEntry> calls;
    StartEntry startedFrom;
    bool lateInitializeTold;
};

const CallOrder kOrders[] = {
    {"DllMain only", {D}, D, false},
    {"InitializeASI only", {I}, I, false},
    {"DllMain then InitializeASI", {D, I}, D, true},
    {"DllMain, InitializeASI twice", {D, I, I}, D, true},
    {"InitializeASI twice", {I, I}, I, true},
    {"InitializeASI, then a DllMain", {I, D}, I, false},
    {"DllMain twice", {D, D}, D, false},
};

TEST(PluginStart, OneStartWhateverTheOrderOfCalls) {
    for (const CallOrder& order : kOrders) {
        SCOPED_TRACE(order.name);
        ResetPluginStart();
        int starts = 0;
        for (StartEntry entry : order.calls) starts += ClaimStart(entry) ? 1 : 0;
        EXPECT_EQ(starts, 1);
        EXPECT_EQ(StartedFrom(), order.startedFrom);
        EXPECT_EQ(TakeLateInitializeCall(), order.lateInitializeTold);
        EXPECT_FALSE(TakeLateInitializeCall()) << "told once";
    }
}

TEST(PluginStart, ALateCallAfterTheNoteWasTakenIsNotToldAgain) {
    ResetPluginStart();
    ClaimStart(D);
    ClaimStart(I);
    EXPECT_TRUE(TakeLateInitializeCall());
    ClaimStart(I);
    EXPECT_FALSE(TakeLateInitializeCall());
}

TEST(PluginStart, ThreadsRacingBothEntriesStartOnce) {
    for (int round = 0; round < 50; ++round) {
        ResetPluginStart();
        std::atomic<int> starts{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < 8; ++i)
            threads.emplace_back([&, i] { starts += ClaimStart(i % 2 ? I : D) ? 1 : 0; });
        for (std::thread& thread : threads) thread.join();
        ASSERT_EQ(starts.load(), 1);
        ASSERT_NE(StartedFrom(), StartEntry::None);
    }
}

}  // namespace
}  // namespace dk::testing
