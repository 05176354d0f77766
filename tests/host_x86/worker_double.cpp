// Stands in for the portable worker: records what the entry installed.
#include "core/worker.h"
#include "host_x86/worker_double.h"

namespace dk {

namespace test {
WorkerRecord workerRecord;
}

void RunWorker() {
    test::workerRecord.host = &Host();
    test::workerRecord.platform = &Platform();
    InterlockedIncrement(&test::workerRecord.runs);
}

void ResetWorkerState() {}

}  // namespace dk
