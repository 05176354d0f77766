#pragma once
// The game's calling conventions, each written once, so that a game operation
// is one line naming its address and its arguments.
#include <cstdint>

namespace dk::x86 {

// "plain": arguments pushed right to left, removed by the caller.
template <typename R, typename... Args>
R CallPlain(uintptr_t address, Args... args) {
    using Function = R(__attribute__((cdecl)) *)(Args...);
    return reinterpret_cast<Function>(address)(args...);
}

// "on a record": the record in ecx, stack arguments removed by the callee.
template <typename R, typename Self, typename... Args>
R CallOn(uintptr_t address, Self* self, Args... args) {
    using Method = R(__attribute__((thiscall)) *)(Self*, Args...);
    return reinterpret_cast<Method>(address)(self, args...);
}

// The register forms have no C equivalent. The callee may use eax, ecx, edx
// and the x87 stack freely and keeps ebx, esi, edi and ebp, as the game's
// compiler does; the target goes in one of the kept registers.
#define DK_X86_CALLEE_CLOBBERS \
    "memory", "cc", "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)"

// A record in ecx and a number in eax; the result comes back in eax.
inline void* CallEcxEax(uintptr_t address, void* ecx, int32_t eax) {
    void* result;
    asm volatile("call *%[target]"
                 : "=a"(result), "+c"(ecx)
                 : "0"(eax), [target] "r"(address)
                 : "edx", DK_X86_CALLEE_CLOBBERS);
    return result;
}

// A record in ecx and a flag in dl; no result.
inline void CallEcxDl(uintptr_t address, void* ecx, uint8_t dl) {
    uint32_t edx = dl;
    asm volatile("call *%[target]"
                 : "+c"(ecx), "+d"(edx)
                 : [target] "r"(address)
                 : "eax", DK_X86_CALLEE_CLOBBERS);
}

#undef DK_X86_CALLEE_CLOBBERS

}  // namespace dk::x86
