#include "host/x86/fault_guard.h"

#include <windows.h>

// MinGW has no __try, so the guard builds by hand what an MSVC __try builds:
// an exception registration record on the thread's fs:[0] chain, on the stack
// of dk_guard_enter. A fault inside the body first meets the handlers of any
// frames the body set up itself; if none of them takes it, it reaches
// dk_guard_handler, which lets those inner frames unwind and then resumes at
// the recovery point with the stack cut back to the record. Only the plain
// frame-based dispatch of 32-bit Windows is used, so Windows and Wine behave
// alike; no C++ exception ever crosses these frames.

extern "C" {
int dk_guard_enter(void (*body)(void*), void* context) asm("dk_guard_enter");
[[noreturn]] void dk_guard_resume(void* record) asm("dk_guard_resume");
EXCEPTION_DISPOSITION dk_guard_handler(EXCEPTION_RECORD* exception, void* record, CONTEXT* context,
                                       void* dispatcher) asm("dk_guard_handler");
}

// Stack of dk_guard_enter while the body runs, from the record upwards:
//   +0 previous fs:[0]   +4 dk_guard_handler   +8 edi  +12 esi  +16 ebx  +20 ebp
//   +24 return address   +28 body              +32 context
asm(R"(
    .text
    .p2align 4
    .globl dk_guard_enter
dk_guard_enter:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    pushl $dk_guard_handler
    pushl %fs:0
    movl %esp, %fs:0
    pushl 32(%esp)
    call *32(%esp)
    addl $4, %esp
    movl $1, %eax
dk_guard_leave:
    movl (%esp), %ecx
    movl %ecx, %fs:0
    addl $8, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
dk_guard_recover:
    cld
    xorl %eax, %eax
    jmp dk_guard_leave

    .p2align 4
    .globl dk_guard_resume
dk_guard_resume:
    movl 4(%esp), %esp
    jmp dk_guard_recover
)");

extern "C" EXCEPTION_DISPOSITION dk_guard_handler(EXCEPTION_RECORD* exception, void* record, CONTEXT*,
                                                  void*) {
    // Called again while an outer unwind passes through: nothing to do then.
    if (exception->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) {
        return ExceptionContinueSearch;
    }
    // Inner frames (the game's own, and the dispatcher's) get their unwind
    // call and leave the chain; our record is then the head of fs:[0] again.
    RtlUnwind(record, nullptr, exception, nullptr);
    dk_guard_resume(record);
}

namespace dk::x86 {

bool RunGuarded(void (*body)(void* context), void* context) { return dk_guard_enter(body, context) != 0; }

namespace {

struct GuardedRead {
    uintptr_t address;
    uint32_t value;
};

void ReadWord(void* context) {
    auto* read = static_cast<GuardedRead*>(context);
    read->value = *reinterpret_cast<const volatile uint32_t*>(read->address);
}

void ReadByte(void* context) {
    auto* read = static_cast<GuardedRead*>(context);
    read->value = *reinterpret_cast<const volatile uint8_t*>(read->address);
}

}  // namespace

bool SafeReadWord(uintptr_t address, uint32_t* word) {
    GuardedRead read{address, 0};
    const bool ok = RunGuarded(ReadWord, &read);
    *word = ok ? read.value : 0;
    return ok;
}

bool SafeReadByte(uintptr_t address, uint8_t* byte) {
    GuardedRead read{address, 0};
    const bool ok = RunGuarded(ReadByte, &read);
    *byte = ok ? static_cast<uint8_t>(read.value) : 0;
    return ok;
}

}  // namespace dk::x86
