#pragma once
// The function the game's key-name call site reaches after the redirect.

namespace dk::x86 {

// The game's contract: fastcall with the key code in edx (ecx unused), two
// stack words that the callee removes (ret 8), the UTF-16 name in eax.
__attribute__((fastcall)) const wchar_t* KeyNameHook(int ignoredEcx, int code, int ignoredStack1,
                                                     int ignoredStack2);

}  // namespace dk::x86
