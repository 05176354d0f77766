#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "host/x86/fault_guard.h"
#include "host_x86/check.h"
#include "host_x86/test_memory.h"

using dk::x86::RunGuarded;
using dk::x86::SafeReadByte;
using dk::x86::SafeReadWord;
using namespace dk::test;

// Bodies that fail in each of the ways a game function could. Each sets
// `reached` before its fault and `finished` after it; the guard must return
// false with `reached` set and `finished` clear.
extern "C" {
void dk_test_trash_and_fault(void*) asm("dk_test_trash_and_fault");
void dk_test_declining_frame_fault(void*) asm("dk_test_declining_frame_fault");
void dk_test_fpu_fault(void*) asm("dk_test_fpu_fault");
EXCEPTION_DISPOSITION dk_test_declining_handler(EXCEPTION_RECORD*, void*, CONTEXT*, void*) asm(
    "dk_test_declining_handler");
void __attribute__((stdcall)) dk_test_clobbering_unwind(void*, void*, EXCEPTION_RECORD*, void*) asm(
    "dk_test_clobbering_unwind");
dk::x86::UnwindFunction dk_test_system_unwind asm("dk_test_system_unwind") = RtlUnwind;
}

// Zeroes every register the caller keeps, then reads address 0.
asm(R"(
    .text
dk_test_trash_and_fault:
    xorl %ebx, %ebx
    xorl %esi, %esi
    xorl %edi, %edi
    xorl %ebp, %ebp
    movl 0, %eax
    ret

# Sets up an exception frame of its own that declines every exception, the
# way a game function's own handler would for a fault it does not expect.
dk_test_declining_frame_fault:
    pushl $dk_test_declining_handler
    pushl %fs:0
    movl %esp, %fs:0
    movl 0, %eax
    movl (%esp), %ecx
    movl %ecx, %fs:0
    addl $8, %esp
    ret

# Leaves three values loaded on the x87 stack, then reads address 0.
dk_test_fpu_fault:
    fld1
    fldpi
    fldz
    movl 0, %eax
    ret

# Unwinds with the system's RtlUnwind, then hands back ebx, esi, edi and ebp
# cleared, as Windows does (Wine keeps them).
dk_test_clobbering_unwind:
    pushl 16(%esp)
    pushl 16(%esp)
    pushl 16(%esp)
    pushl 16(%esp)
    call *dk_test_system_unwind
    xorl %ebx, %ebx
    xorl %esi, %esi
    xorl %edi, %edi
    xorl %ebp, %ebp
    ret $16
)");

namespace {

struct Progress {
    volatile bool reached = false;
    volatile bool finished = false;
};

int declinedDispatches = 0;
int unwindCalls = 0;

// Volatile, so that the compiler cannot see the null and emit a trap instead.
int* volatile nowhere = nullptr;

void ReadNull(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    (void)*static_cast<volatile int*>(nowhere);
    progress->finished = true;
}

void WriteNull(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    *static_cast<volatile int*>(nowhere) = 1;
    progress->finished = true;
}

void IllegalInstruction(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    asm volatile("ud2");
    progress->finished = true;
}

void RaisedException(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    RaiseException(0xE0D4C001, 0, 0, nullptr);
    progress->finished = true;
}

void NonContinuableException(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    RaiseException(0xE0D4C002, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    progress->finished = true;
}

void DivideByZero(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    volatile int zero = 0;
    volatile int quotient = 7 / zero;
    (void)quotient;
    progress->finished = true;
}

void Finishes(void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reached = true;
    progress->finished = true;
}

struct FaultingBody {
    const char* name;
    void (*body)(void*);
};

const FaultingBody kFaultingBodies[] = {
    {"read of address 0", ReadNull},
    {"write to address 0", WriteNull},
    {"illegal instruction", IllegalInstruction},
    {"RaiseException", RaisedException},
    {"non-continuable RaiseException", NonContinuableException},
    {"integer divide by zero", DivideByZero},
};

}  // namespace

extern "C" EXCEPTION_DISPOSITION dk_test_declining_handler(EXCEPTION_RECORD* exception, void*, CONTEXT*, void*) {
    if (exception->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) {
        ++unwindCalls;
    } else {
        ++declinedDispatches;
    }
    return ExceptionContinueSearch;
}

DK_TEST(SafeReadsOfUnreadableMemoryFailWithZero) {
    TestPage noAccess(PAGE_NOACCESS);
    const uintptr_t reservedOnly = [] {
        void* reserved = VirtualAlloc(nullptr, 0x10000, MEM_RESERVE, PAGE_NOACCESS);
        return reinterpret_cast<uintptr_t>(reserved);
    }();
    const uintptr_t unreadable[] = {0, 0x10, noAccess.at(0), noAccess.at(0x1ffc), reservedOnly};
    for (uintptr_t address : unreadable) {
        uint32_t word = 0xAAAAAAAA;
        uint8_t byte = 0xAA;
        CHECK(!SafeReadWord(address, &word));
        CHECK(word == 0);
        CHECK(!SafeReadByte(address, &byte));
        CHECK(byte == 0);
    }
    VirtualFree(reinterpret_cast<void*>(reservedOnly), 0, MEM_RELEASE);
}

DK_TEST(SafeReadsOfReadableMemoryGiveTheValue) {
    const uint32_t value = 0x8badf00d;
    uint32_t word = 0;
    uint8_t byte = 0;
    CHECK(SafeReadWord(reinterpret_cast<uintptr_t>(&value), &word));
    CHECK(word == 0x8badf00d);
    CHECK(SafeReadByte(reinterpret_cast<uintptr_t>(&value) + 3, &byte));
    CHECK(byte == 0x8b);
}

DK_TEST(EveryKindOfFaultEndsTheBodyAndReturnsFalse) {
    for (const FaultingBody& faulting : kFaultingBodies) {
        Progress progress;
        const bool ok = RunGuarded(faulting.body, &progress);
        CHECK(!ok);
        CHECK(progress.reached);
        CHECK(!progress.finished);
        if (ok || !progress.reached || progress.finished) std::printf("  with: %s\n", faulting.name);
    }
}

DK_TEST(ABodyThatReturnsReportsTrue) {
    Progress progress;
    CHECK(RunGuarded(Finishes, &progress));
    CHECK(progress.finished);
}

DK_TEST(RepeatedFaultsLeaveTheExceptionChainAsItWas) {
    void* const chainBefore = ExceptionChainHead();
    int caught = 0;
    for (int i = 0; i < 500; ++i) {
        Progress progress;
        if (!RunGuarded(kFaultingBodies[i % std::size(kFaultingBodies)].body, &progress)) ++caught;
    }
    CHECK(caught == 500);
    CHECK(ExceptionChainHead() == chainBefore);
}

namespace {

// The recovery must hand back the caller's ebx, esi, edi and ebp even when
// the body had overwritten them before faulting.
void CheckRecoveryRestoresTheRegistersTheCallerKeeps() {
    uint32_t ebx, esi, edi, ebp;
    uint32_t result;
    void (*body)(void*) = dk_test_trash_and_fault;
    asm volatile(
        "pushl %%ebp\n\t"
        "movl $0x11111111, %%ebx\n\t"
        "movl $0x22222222, %%esi\n\t"
        "movl $0x33333333, %%edi\n\t"
        "movl $0x44444444, %%ebp\n\t"
        "pushl $0\n\t"
        "pushl %%edx\n\t"
        "call *%%eax\n\t"
        "addl $8, %%esp\n\t"
        "movl %%ebp, %%ecx\n\t"
        "popl %%ebp\n\t"
        : "=a"(result), "=b"(ebx), "=S"(esi), "=D"(edi), "=c"(ebp), "+d"(body)
        : "a"(&RunGuarded)
        : "memory", "cc");
    CHECK((result & 0xff) == 0);
    CHECK(ebx == 0x11111111);
    CHECK(esi == 0x22222222);
    CHECK(edi == 0x33333333);
    CHECK(ebp == 0x44444444);
}

}  // namespace

DK_TEST(RecoveryRestoresTheRegistersTheCallerKeeps) { CheckRecoveryRestoresTheRegistersTheCallerKeeps(); }

// Under Wine the system unwind keeps every register; on Windows it does not.
// With an unwind that clears them, every fault must still be caught.
DK_TEST(RecoveryDoesNotRelyOnRegistersTheUnwindClobbers) {
    dk::x86::SetGuardUnwind(dk_test_clobbering_unwind);
    CheckRecoveryRestoresTheRegistersTheCallerKeeps();
    for (const auto& faulting : kFaultingBodies) {
        Progress progress;
        CHECK(!RunGuarded(faulting.body, &progress));
        CHECK(progress.reached && !progress.finished);
    }
    uint32_t word = 1;
    CHECK(!SafeReadWord(0x10, &word) && word == 0);
    dk::x86::SetGuardUnwind(RtlUnwind);
}

// The recovery leaves the x87 unit usable: a fault in the middle of x87 work
// leaves neither loaded registers nor pending exceptions behind.
DK_TEST(RecoveryLeavesTheFpuClean) {
    for (int i = 0; i < 16; ++i) CHECK(!RunGuarded(dk_test_fpu_fault, nullptr));
    volatile double x = 1.5;
    CHECK(x * 2.0 == 3.0);
    uint16_t status = 0;
    asm volatile("fnstsw %0" : "=m"(status));
    CHECK((status & 0x3800) == 0);  // stack top back at 0: nothing left loaded
}

// A game function's own frame sees the fault first, declines it, and then
// gets its unwind call before the guard resumes.
DK_TEST(InnerFramesAreOfferedTheFaultAndUnwound) {
    declinedDispatches = 0;
    unwindCalls = 0;
    void* const chainBefore = ExceptionChainHead();
    CHECK(!RunGuarded(dk_test_declining_frame_fault, nullptr));
    CHECK(declinedDispatches == 1);
    CHECK(unwindCalls == 1);
    CHECK(ExceptionChainHead() == chainBefore);
}

namespace {

struct Nested {
    bool innerResult = true;
    volatile bool afterInner = false;
    bool faultAfter = false;
};

void GuardInsideGuard(void* context) {
    auto* nested = static_cast<Nested*>(context);
    Progress progress;
    nested->innerResult = RunGuarded(ReadNull, &progress);
    nested->afterInner = true;
    if (nested->faultAfter) IllegalInstruction(&progress);
}

}  // namespace

DK_TEST(NestedGuardsEachCatchTheirOwnFault) {
    Nested inner;
    CHECK(RunGuarded(GuardInsideGuard, &inner));
    CHECK(!inner.innerResult);
    CHECK(inner.afterInner);

    Nested outer;
    outer.faultAfter = true;
    CHECK(!RunGuarded(GuardInsideGuard, &outer));
    CHECK(!outer.innerResult);
    CHECK(outer.afterInner);
}

namespace {

struct ThreadResults {
    bool readFailed = false;
    bool illegalFailed = false;
    bool validRead = false;
    uint32_t word = 1;
};

DWORD WINAPI GuardOnThread(LPVOID parameter) {
    auto* results = static_cast<ThreadResults*>(parameter);
    Progress first, second;
    results->readFailed = !RunGuarded(ReadNull, &first);
    results->illegalFailed = !RunGuarded(IllegalInstruction, &second);
    const uint32_t local = 77;
    results->validRead = SafeReadWord(reinterpret_cast<uintptr_t>(&local), &results->word);
    return 0;
}

}  // namespace

DK_TEST(AGuardOnAnotherThreadCatchesItsFaults) {
    ThreadResults results[2];
    HANDLE threads[2];
    for (int i = 0; i < 2; ++i) threads[i] = CreateThread(nullptr, 0, GuardOnThread, &results[i], 0, nullptr);
    Progress mine;
    CHECK(!RunGuarded(WriteNull, &mine));
    CHECK(WaitForMultipleObjects(2, threads, TRUE, 10000) == WAIT_OBJECT_0);
    for (int i = 0; i < 2; ++i) {
        CloseHandle(threads[i]);
        CHECK(results[i].readFailed);
        CHECK(results[i].illegalFailed);
        CHECK(results[i].validRead);
        CHECK(results[i].word == 77);
    }
}
