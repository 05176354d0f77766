#pragma once
// Pages of the test's own whose protection the tests choose.
#include <windows.h>

#include <cstdint>

namespace dk::test {

struct TestPage {
    explicit TestPage(DWORD protection, SIZE_T size = 0x2000)
        : base(static_cast<uint8_t*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, protection))) {}
    ~TestPage() { VirtualFree(base, 0, MEM_RELEASE); }
    TestPage(const TestPage&) = delete;
    TestPage& operator=(const TestPage&) = delete;

    uintptr_t at(uintptr_t offset) const { return reinterpret_cast<uintptr_t>(base) + offset; }

    uint8_t* base;
};

inline DWORD ProtectionAt(uintptr_t address) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<LPCVOID>(address), &info, sizeof info);
    return info.Protect;
}

inline bool IsUnmapped(uintptr_t address) {
    MEMORY_BASIC_INFORMATION info{};
    return VirtualQuery(reinterpret_cast<LPCVOID>(address), &info, sizeof info) == 0 || info.State == MEM_FREE;
}

// The head of the calling thread's exception registration chain.
inline void* ExceptionChainHead() {
    void* head;
    asm volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}

}  // namespace dk::test
