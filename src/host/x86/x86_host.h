#pragma once
// The host table over the real game: its functions, records and code.
#include "host/host_interface.h"

namespace dk::x86 {

const HostInterface& X86Host();

// Each part of the table is filled by the file that owns that part.
void FillGameCalls(HostInterface& host);
void FillRecordFields(HostInterface& host);
void FillFrontendReads(HostInterface& host);
void FillTorchPath(HostInterface& host);
void FillCodePatching(HostInterface& host);

}  // namespace dk::x86
