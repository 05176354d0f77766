#include "core/start_log.h"

#include <cstdio>
#include <string>

#include "bindings/binding_file_path.h"
#include "core/plugin_start.h"
#include "host/host_interface.h"
#include "log/plugin_log.h"
#include "platform/platform.h"

namespace dk {

namespace {

uint32_t workerStartTick = 0;

const char* EntryName(StartEntry entry) {
    switch (entry) {
        case StartEntry::DllMain: return "from DllMain";
        case StartEntry::InitializeASI: return "from InitializeASI";
        case StartEntry::None: break;
    }
    return "from neither entry";
}

}  // namespace

void BeginPluginLog() {
    workerStartTick = Platform().tickCount();
    // Without the module's own path there is no telling where the log belongs.
    std::string module;
    if (!Platform().moduleFileName(module) || !OpenPluginLog(FileBesideModule(module, ".log"))) return;
    std::string system;
    Platform().systemDescription(system);
    LogLine("DuskvaleKeys " DK_VERSION " started: " + module + ", " + EntryName(StartedFrom()) + ", " + system);
    if (PinFailure() != 0) {
        LogLine("could not keep the module loaded for good, so a loader that unloads it would end the plug-in: " +
                WindowsErrorText(PinFailure()));
    }
}

bool GameBuildRecognised() {
    std::string difference;
    if (Host().isKnownGameBuild(difference)) {
        LogLine("game build recognised");
        return true;
    }
    LogLine("game build not recognised: " + difference + "; the plug-in leaves this game untouched");
    return false;
}

void TellLateInitializeCall() {
    if (TakeLateInitializeCall()) LogLine("InitializeASI called");
}

void TellPagesInstalled() {
    const uint32_t tenths = (Platform().tickCount() - workerStartTick) / 100;
    char text[64];
    std::snprintf(text, sizeof text, "pages installed, %u.%u s after start", static_cast<unsigned>(tenths / 10),
                  static_cast<unsigned>(tenths % 10));
    LogLine(text);
}

}  // namespace dk
