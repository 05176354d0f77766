#include "core/installation.h"

#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"
#include "core/controls_links.h"
#include "core/host_page_names.h"
#include "core/page_query.h"
#include "core/start_log.h"
#include "frontend/custom_pages.h"
#include "log/plugin_log.h"
#include "platform/platform.h"

namespace dk {

bool pagesInstalled = false;

namespace {

// The pages are registered and the controls links looked for: both need the
// game's frontend, which may be missing at the moment of installation.
bool frontendLinked = false;

constexpr uint32_t kFrontendPollMs = 200;
constexpr uint32_t kAfterInstallMs = 200;

// On the first start there is no file: the game's own bindings become ours.
// A file that exists is neither read again nor written here.
bool SeedWhenFileMissing() {
    if (!BindingFileMissing()) return false;
    SeedOverridesFromHost();
    return true;
}

}  // namespace

void InstallPlugin() {
    if (pagesInstalled) return;
    const bool fileMissing = SeedWhenFileMissing();
    ApplyOverrides();
    // The save writes the game's table and reads it back as the overrides, so
    // it comes after the apply: bindings loaded before the file went missing
    // would otherwise be replaced by the game's keys.
    if (fileMissing && SaveBindingFile()) LogLine("binding file written from the game's table: " + bindingFilePath);
    BuildCustomPages();
    Platform().enterLock();
    frontendLinked = RegisterCustomPages() && RedirectControlsLinks();
    pagesInstalled = true;
    Platform().leaveLock();
    TellPagesInstalled();
    Platform().sleep(kAfterInstallMs);
}

void CompleteFrontendLinks() {
    if (!pagesInstalled || frontendLinked || !RegisterCustomPages()) return;
    Platform().enterLock();
    frontendLinked = RedirectControlsLinks();
    Platform().leaveLock();
}

bool WaitStep() {
    if (pagesInstalled) return true;
    TellLateInitializeCall();
    if (!IsPageShown(kStartPageName)) {
        Platform().sleep(kFrontendPollMs);
        return false;
    }
    InstallPlugin();
    return true;
}

void ResetInstallation() {
    pagesInstalled = false;
    frontendLinked = false;
}

}  // namespace dk
