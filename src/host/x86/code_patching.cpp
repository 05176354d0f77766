// The key-name redirect at the game's call site.
#include <windows.h>

#include "host/x86/call_site_patch.h"
#include "host/x86/host_addresses.h"
#include "host/x86/key_name_hook.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

bool IsKnownGameBuild() { return HasNearCallAt(kKeyNameCallSite); }

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
