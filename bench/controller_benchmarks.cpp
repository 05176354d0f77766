#include <benchmark/benchmark.h>

#include "bench_world.h"
#include "core/controller_tick.h"
#include "frontend/custom_page_layout.h"
#include "support/fake_host.h"
#include "support/fake_platform.h"

namespace {

// The fake records every Sleep; a long run would otherwise time a growing list.
void Tick(int& ticks) {
    benchmark::DoNotOptimize(dk::ControllerTick());
    if (++ticks % 4096 == 0) dk::fake::FakePlatform().sleeps.clear();
}

// In play: no custom page, a player holding a torch-capable weapon, so each
// tick runs the torch step and, once a second of virtual time, the re-apply.
// The fake's Sleep only moves its clock, so no real time is slept.
void ControllerTickInPlay(benchmark::State& state) {
    dk::bench::InstalledWorld();
    dk::fake::ShowPage("");
    dk::fake::EnterPlay();
    dk::fake::PutWeapon(0, 1);
    int ticks = 0;
    for (auto _ : state) Tick(ticks);
    dk::bench::RemoveWorld();
}
BENCHMARK(ControllerTickInPlay);

// On the movement page with nothing pressed: the page queries and the Enter
// tracking that every tick on a page does.
void ControllerTickOnPage(benchmark::State& state) {
    dk::bench::InstalledWorld();
    dk::fake::ShowPage(dk::kMovementPageName);
    int ticks = 0;
    for (auto _ : state) Tick(ticks);
    dk::bench::RemoveWorld();
}
BENCHMARK(ControllerTickOnPage);

}  // namespace
