#pragma once
#include "core/tick_frame.h"
#include "core/tick_sleeps.h"
#include "keys/key_code.h"

namespace dk {

// The code of the highest virtual key that is down and has one, scanning from
// 254 down to 1, or NONE. The highest wins so that a key Windows also reports
// under a narrower code is taken under that code (left Shift as 160, not 16).
// A key without a code (the middle button, the Windows keys) is passed over,
// so pressing it never unbinds anything; so is a key typed into another
// window or held over. A character key binds the place the layout gives it.
KeyCode ScanForBindableKey();

// A capture under way on a custom page: once Enter has been released and the
// delay after the press has passed, the first key found becomes the pending
// item's binding, and the file is saved when an override was recorded.
TickEnd CaptureStep(const TickFrame& frame);

}  // namespace dk
