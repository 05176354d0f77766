#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

HostInterface BuildTable() {
    HostInterface host{};
    FillGameCalls(host);
    FillRecordFields(host);
    FillFrontendReads(host);
    FillTorchPath(host);
    FillCodePatching(host);
    return host;
}

}  // namespace

const HostInterface& X86Host() {
    static const HostInterface table = BuildTable();
    return table;
}

}  // namespace dk::x86
