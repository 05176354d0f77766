// The key-name redirect at the game's call site.
#include <windows.h>

#include <cstdio>

#include "host/x86/call_site_patch.h"
#include "host/x86/fault_guard.h"
#include "host/x86/host_addresses.h"
#include "host/x86/key_name_hook.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

// Another build has other code at the site: the log says what is there.
bool IsKnownGameBuild(std::string& difference) {
    if (HasNearCallAt(kKeyNameCallSite)) return true;
    uint8_t opcode = 0;
    char text[96];
    if (SafeReadByte(kKeyNameCallSite, &opcode)) {
        std::snprintf(text, sizeof text, "the byte at 0x%08X is 0x%02X, not the key-name call (0x%02X)",
                      static_cast<unsigned>(kKeyNameCallSite), opcode, kNearCallOpcode);
    } else {
        std::snprintf(text, sizeof text, "no code at 0x%08X, where the key-name call should be",
                      static_cast<unsigned>(kKeyNameCallSite));
    }
    difference = text;
    return false;
}

// VirtualProtect is taken from the import table at the moment of the call, so
// whoever hosts the plug-in sees the call through its import.
bool RedirectKeyNameCall() {
    return WriteNearCall(kKeyNameCallSite, reinterpret_cast<const void*>(&KeyNameHook), VirtualProtect);
}

}  // namespace

void FillCodePatching(HostInterface& host) {
    host.isKnownGameBuild = IsKnownGameBuild;
    host.redirectKeyNameCall = RedirectKeyNameCall;
}

}  // namespace dk::x86
