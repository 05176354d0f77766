// Any bytes as the binding file, loaded by the plug-in's own loader through
// the fake game and Windows. Beyond not faulting: only mappable actions ever
// get an override, and after the bindings are applied and saved, the saved
// file loads back to exactly what the game's table holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bindings/action_catalogue.h"
#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"
#include "support/fake_binding_table.h"
#include "support/fake_host.h"
#include "support/fake_platform.h"

namespace {

std::filesystem::path folder;
std::filesystem::path iniPath;

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void WriteFile(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(iniPath.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
}

void CheckOnlyMappableSet() {
    for (dk::ActionIndex index = 0; index <= dk::kMaxActionIndex; ++index) {
        if (dk::BindingOverrides[index].overrideSet && !dk::IsMappable(index)) std::abort();
    }
}

void CheckSavedFileReadsBack() {
    if (!dk::SaveBindingFile()) std::abort();
    dk::ClearBindingStore();
    dk::LoadBindingFile();
    for (dk::ActionIndex index : dk::MappableActions) {
        const dk::BindingOverride& loaded = dk::BindingOverrides[index];
        if (!loaded.overrideSet || loaded.overrideCode != dk::ReadHostBinding(index)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/dev/shm/dk_fuzz_XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    folder = pattern;
    std::atexit(RemoveFolder);
    dk::fake::InstallFakePlatform().moduleFileName = (folder / "DuskvaleKeys.asi").string();
    dk::fake::InstallFakeHost();
    iniPath = folder / "DuskvaleKeys.ini";
    // The loader must find the file beside the module on its own.
    if (!dk::HaveBindingFilePath() || dk::bindingFilePath != iniPath.string()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The fake's log of file calls would otherwise grow with every input, and
    // memory that only grows makes libFuzzer look for leaks after each one.
    dk::fake::FakePlatform().fileCalls.clear();
    dk::ClearBindingStore();
    dk::fake::ResetFakeBindingTable();
    WriteFile(data, size);
    dk::LoadBindingFile();
    CheckOnlyMappableSet();
    dk::ApplyOverrides();
    CheckSavedFileReadsBack();
    return 0;
}
