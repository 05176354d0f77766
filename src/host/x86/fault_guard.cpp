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
[[noreturn]] void dk_guard_unwind(void* record, EXCEPTION_RECORD* exception, dk::x86::UnwindFunction unwind)
    asm("dk_guard_unwind");
EXCEPTION_DISPOSITION dk_guard_handler(EXCEPTION_RECORD* exception, void* record, CONTEXT* context,
                                       void* dispatcher) asm("dk_guard_handler");
}

// Stack of dk_guard_enter while the body runs, from the record upwards:
//   +0 previous fs:[0]   +4 dk_guard_handler   +8 x87 control word   +12 edi
//   +16 esi  +20 ebx  +24 ebp   +28 return address   +32 body   +36 context
asm(R"(
    .text
    .p2align 4
    .globl dk_guard_enter
dk_guard_enter:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    subl $4, %esp
    fnstcw (%esp)
    pushl $dk_guard_handler
    pushl %fs:0
    movl %esp, %fs:0
    pushl 36(%esp)
    call *36(%esp)
    addl $4, %esp
    movl $1, %eax
dk_guard_leave:
    movl (%esp), %ecx
    movl %ecx, %fs:0
    addl $12, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
dk_guard_recover:
    cld
    fninit
    fldcw 8(%esp)
    xorl %eax, %eax
    jmp dk_guard_leave

# Windows' RtlUnwind hands back only esp intact (ebx, esi and edi come back
# cleared), so the record goes on the stack across the call, and the guard's
# own saved registers are what the recovery restores.
    .p2align 4
    .globl dk_guard_unwind
dk_guard_unwind:
    movl 4(%esp), %eax
    movl 8(%esp), %ecx
    movl 12(%esp), %edx
    pushl %eax
    pushl $0
    pushl %ecx
    pushl $0
    pushl %eax
    call *%edx
    popl %eax
    movl %eax, %esp
    jmp dk_guard_recover
)");

namespace {
dk::x86::UnwindFunction guardUnwind = RtlUnwind;
}

extern "C" EXCEPTION_DISPOSITION dk_guard_handler(EXCEPTION_RECORD* exception, void* record, CONTEXT*,
                                                  void*) {
    // Called again while an outer unwind passes through: nothing to do then.
    if (exception->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) {
        return ExceptionContinueSearch;
    }
    // Inner frames (the game's own, and the dispatcher's) get their unwind
    // call and leave the chain; our record is then the head of fs:[0] again.
    dk_guard_unwind(record, exception, guardUnwind);
}

namespace dk::x86 {

void SetGuardUnwind(UnwindFunction unwind) { guardUnwind = unwind; }

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
