#include "host/x86/call_site_patch.h"

#include <cstring>

#include "host/x86/fault_guard.h"

namespace dk::x86 {

WritableCode::WritableCode(ProtectFunction protect, uintptr_t address, size_t size)
    : protect(protect), address(address), size(size) {
    writable = protect(reinterpret_cast<LPVOID>(address), size, PAGE_EXECUTE_READWRITE, &previous) != FALSE;
}

WritableCode::~WritableCode() {
    if (!writable) return;
    DWORD ignored = 0;
    protect(reinterpret_cast<LPVOID>(address), size, previous, &ignored);
}

bool WriteNearCall(uintptr_t site, const void* target, ProtectFunction protect) {
    uint8_t call[kNearCallSize] = {kNearCallOpcode};
    const uint32_t displacement = reinterpret_cast<uintptr_t>(target) - (site + kNearCallSize);
    std::memcpy(call + 1, &displacement, sizeof displacement);
    {
        WritableCode code(protect, site, kNearCallSize);
        if (!code.writable) return false;
        std::memcpy(reinterpret_cast<void*>(site), call, kNearCallSize);
    }
    FlushInstructionCache(GetCurrentProcess(), reinterpret_cast<LPCVOID>(site), kNearCallSize);
    return true;
}

bool HasNearCallAt(uintptr_t site) {
    uint8_t opcode = 0;
    return SafeReadByte(site, &opcode) && opcode == kNearCallOpcode;
}

}  // namespace dk::x86
