#pragma once
#include "scenario_support.h"

namespace standin {
// The worker's processor time over one virtual minute in play and one on a
// custom page, in ms and as a share of one core.
int RunMeasure(const RunContext& context);
}  // namespace standin
