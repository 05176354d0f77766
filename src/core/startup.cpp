#include "core/startup.h"

#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"
#include "host/host_interface.h"
#include "keys/keyboard_layout.h"
#include "platform/platform.h"

namespace dk {

void RunStartup() {
    Platform().initLock();
    FillDefaultBindings();
    // A call site that cannot be made writable leaves the game showing its own
    // key names; the bindings themselves work all the same, so carry on.
    Host().redirectKeyNameCall();
    // The game shows names from the first frame: those of this thread's layout
    // until the game's own window is seen in front.
    LookForLayoutChange(0);
    HaveBindingFilePath();
    LoadBindingFile();
}

}  // namespace dk
