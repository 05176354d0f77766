#pragma once
// What the test's stand-in for the portable worker saw when the entry ran it.
#include <windows.h>

#include "host/host_interface.h"
#include "platform/platform.h"

namespace dk::test {

struct WorkerRecord {
    volatile LONG runs = 0;
    const HostInterface* host = nullptr;
    const PlatformInterface* platform = nullptr;
};

extern WorkerRecord workerRecord;

}  // namespace dk::test
