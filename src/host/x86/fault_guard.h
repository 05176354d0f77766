#pragma once
// Runs game code that may fault without letting the fault end the process.
#include <cstdint>
#include <type_traits>

struct _EXCEPTION_RECORD;

namespace dk::x86 {

// Runs body(context) and returns true when it returned. Any exception inside it
// that the code below does not handle itself (an access violation, an illegal
// instruction, a RaiseException) abandons the body at that point and returns
// false; the calling thread carries on as though the body had returned.
bool RunGuarded(void (*body)(void* context), void* context);

// The word or byte at an address that may not be readable: false and 0 when
// reading it faults.
bool SafeReadWord(uintptr_t address, uint32_t* word);
bool SafeReadByte(uintptr_t address, uint8_t* byte);

// A 32-bit field of a game record that may not be readable; *out stays as it
// was when the read faults.
template <typename T>
bool SafeReadField(const void* record, uintptr_t offset, T* out) {
    static_assert(sizeof(T) == sizeof(uint32_t));
    uint32_t word = 0;
    if (!SafeReadWord(reinterpret_cast<uintptr_t>(record) + offset, &word)) return false;
    if constexpr (std::is_pointer_v<T>) {
        *out = reinterpret_cast<T>(word);
    } else {
        *out = static_cast<T>(word);
    }
    return true;
}

// The routine that unwinds the frames between a fault and the guard: the
// system's RtlUnwind. Tests put in one that clobbers registers as Windows does
// and Wine does not, so the recovery is proven not to rely on them.
using UnwindFunction = void(__attribute__((stdcall)) *)(void* targetFrame, void* targetIp,
                                                         ::_EXCEPTION_RECORD* exception, void* returnValue);
void SetGuardUnwind(UnwindFunction unwind);

}  // namespace dk::x86
