#include "bench_world.h"

#include <cstdlib>
#include <filesystem>

#include "bindings/binding_file_path.h"
#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"
#include "core/installation.h"
#include "core/startup.h"
#include "core/worker.h"
#include "features/torch_toggle.h"
#include "frontend/custom_pages.h"
#include "support/fake_host.h"
#include "support/fake_platform.h"

namespace dk::bench {

namespace {

std::filesystem::path folder;

}  // namespace

std::string FreshWorld() {
    RemoveWorld();
    fake::InstallFakeHost();
    fake::FakePlatformState& windows = fake::InstallFakePlatform();
    ClearBindingStore();
    ResetCustomPages();
    ResetTorchToggle();
    ResetWorkerState();
    ForgetBindingFilePath();
    ResetBindingFileWatch();
    char pattern[] = "/tmp/dk_bench_XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    folder = pattern;
    windows.moduleFileName = (folder / "DuskvaleKeys.asi").string();
    return (folder / "DuskvaleKeys.ini").string();
}

std::string InstalledWorld() {
    const std::string path = FreshWorld();
    RunStartup();
    fake::ShowPage("start");
    if (!WaitStep()) std::abort();
    return path;
}

void RemoveWorld() {
    if (folder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    folder.clear();
    ForgetBindingFilePath();
    ResetBindingFileWatch();
}

}  // namespace dk::bench
