#pragma once
// Runs game code that may fault without letting the fault end the process.
#include <cstdint>

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

}  // namespace dk::x86
