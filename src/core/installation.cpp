#include "core/installation.h"

#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"
#include "core/controls_links.h"
#include "core/host_page_names.h"
#include "core/page_query.h"
#include "frontend/custom_pages.h"
#include "platform/platform.h"

namespace dk {

bool pagesInstalled = false;

namespace {

constexpr uint32_t kFrontendPollMs = 200;
constexpr uint32_t kAfterInstallMs = 200;

// On the first start there is no file: take the game's own bindings as ours
// and write them down. A file that exists is neither read again nor written.
// The save writes the game's table and reads it back as the overrides, so
// bindings loaded before the file went missing go into the table first;
// otherwise the save would replace them with the game's keys.
void EnsureBindingFile() {
    if (!Platform().isFileMissing(EnsureBindingFilePath().c_str())) return;
    SeedOverridesFromHost();
    ApplyOverrides();
    SaveBindingFile();
}

}  // namespace

void InstallPlugin() {
    if (pagesInstalled) return;
    EnsureBindingFile();
    ApplyOverrides();
    BuildCustomPages();
    Platform().enterLock();
    RedirectControlsLinks();
    pagesInstalled = true;
    Platform().leaveLock();
    Platform().sleep(kAfterInstallMs);
}

bool WaitStep() {
    if (pagesInstalled) return true;
    if (!IsPageShown(kStartPageName)) {
        Platform().sleep(kFrontendPollMs);
        return false;
    }
    InstallPlugin();
    return true;
}

void ResetInstallation() { pagesInstalled = false; }

}  // namespace dk
