#include "platform/platform.h"

namespace dk {

namespace {
const PlatformInterface* installedPlatform = nullptr;
}

void InstallPlatform(const PlatformInterface* table) { installedPlatform = table; }

const PlatformInterface& Platform() { return *installedPlatform; }

}  // namespace dk
