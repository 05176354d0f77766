#pragma once
// Rewrites a 5-byte near call in code that is not writable as it stands.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace dk::x86 {

inline constexpr uint8_t kNearCallOpcode = 0xE8;
inline constexpr size_t kNearCallSize = 5;

// VirtualProtect's shape, so that tests can make the change of protection fail.
using ProtectFunction = BOOL(WINAPI*)(LPVOID address, SIZE_T size, DWORD protection, PDWORD previous);

// Makes a range writable and executable for its lifetime, then gives it back
// its previous protection.
struct WritableCode {
    WritableCode(ProtectFunction protect, uintptr_t address, size_t size);
    ~WritableCode();
    WritableCode(const WritableCode&) = delete;
    WritableCode& operator=(const WritableCode&) = delete;

    ProtectFunction protect;
    uintptr_t address;
    size_t size;
    DWORD previous = 0;
    bool writable;
};

// Makes the site a near call to target (0xE8, then target minus the address
// after the instruction). When the site cannot be made writable nothing is
// written, since writing would fault, and the result is false.
bool WriteNearCall(uintptr_t site, const void* target, ProtectFunction protect);

// The site holds a near call; false also when the site cannot be read.
bool HasNearCallAt(uintptr_t site);

}  // namespace dk::x86
