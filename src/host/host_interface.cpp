#include "host/host_interface.h"

namespace dk {

namespace {
const HostInterface* installedHost = nullptr;
}

void InstallHostInterface(const HostInterface* table) { installedHost = table; }

const HostInterface& Host() { return *installedHost; }

}  // namespace dk
