#pragma once
#include "core/tick_frame.h"
#include "core/tick_sleeps.h"

namespace dk {

// The highest virtual key that is down, scanning from 254 to 0, or -1 for
// none. The highest wins so that a key Windows also reports under a
// narrower code is taken under that code (left Shift as 160, not 16).
int ScanForKeyDown();

// A capture under way on a custom page: once Enter has been released and the
// delay after the press has passed, the first key found becomes the pending
// item's binding, and the file is saved when an override was recorded.
TickEnd CaptureStep(const TickFrame& frame);

}  // namespace dk
