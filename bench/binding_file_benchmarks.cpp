#include <benchmark/benchmark.h>

#include "bench_world.h"
#include "bindings/action_catalogue.h"
#include "bindings/binding_file.h"
#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"

namespace {

// A full file as the plug-in writes it: 201 lines, 33 of them bindings.
bool WriteFullFile() {
    for (const dk::CatalogueEntry& entry : dk::ActionCatalogue) dk::WriteHostBinding(entry.index, entry.defaultCode);
    return dk::SaveBindingFile();
}

void LoadBindingFile(benchmark::State& state) {
    dk::bench::FreshWorld();
    if (!WriteFullFile()) state.SkipWithError("the binding file could not be written");
    for (auto _ : state) dk::LoadBindingFile();
    dk::bench::RemoveWorld();
}
BENCHMARK(LoadBindingFile);

void SaveBindingFile(benchmark::State& state) {
    dk::bench::FreshWorld();
    if (!WriteFullFile()) state.SkipWithError("the binding file could not be written");
    for (auto _ : state) {
        if (!dk::SaveBindingFile()) state.SkipWithError("a save failed");
    }
    dk::bench::RemoveWorld();
}
BENCHMARK(SaveBindingFile);

// The once-a-second look at the file while nobody edits it: one attributes
// query, the file not opened.
void BindingFileCheckUnchanged(benchmark::State& state) {
    dk::bench::InstalledWorld();
    for (auto _ : state) benchmark::DoNotOptimize(dk::CheckBindingFileForEdits());
    dk::bench::RemoveWorld();
}
BENCHMARK(BindingFileCheckUnchanged);

}  // namespace
