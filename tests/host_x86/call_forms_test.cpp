#include <cstdint>

#include "host/x86/call_forms.h"
#include "host/x86/torch_path.h"
#include "host_x86/check.h"

using namespace dk::x86;

// Stand-ins for game functions in the forms the game's compiler gives them:
// callee-cleaned "on a record" calls and the two register forms, each leaving
// behind garbage in every register a caller may not rely on.
extern "C" {
int32_t dk_test_on_record(void*, int32_t, int32_t) asm("dk_test_on_record");
void* dk_test_ecx_eax(void*, int32_t) asm("dk_test_ecx_eax");
void dk_test_ecx_dl(void*, uint8_t) asm("dk_test_ecx_dl");
void dk_test_ecx_dl_faults(void*, uint8_t) asm("dk_test_ecx_dl_faults");
extern uint32_t dk_test_seen_ecx asm("dk_test_seen_ecx");
extern uint32_t dk_test_seen_edx asm("dk_test_seen_edx");
}

asm(R"(
    .data
dk_test_seen_ecx: .long 0
dk_test_seen_edx: .long 0
    .text
# ecx + 10 * first - second, removing both stack words.
dk_test_on_record:
    movl 4(%esp), %eax
    imull $10, %eax, %eax
    subl 8(%esp), %eax
    addl %ecx, %eax
    movl $-1, %ecx
    movl $-1, %edx
    ret $8
# ecx + 4 * eax.
dk_test_ecx_eax:
    leal (%ecx,%eax,4), %eax
    movl $-1, %ecx
    movl $-1, %edx
    ret
# Records ecx and edx for the test.
dk_test_ecx_dl:
    movl %ecx, dk_test_seen_ecx
    movl %edx, dk_test_seen_edx
    movl $-1, %eax
    movl $-1, %ecx
    movl $-1, %edx
    ret
# Reads through the weapon pointer, as the game's torch code does.
dk_test_ecx_dl_faults:
    movl 0x40(%ecx), %eax
    ret
)");

namespace {

int32_t __attribute__((cdecl)) PlainDigits(int32_t a, int32_t b, int32_t c, int32_t d) {
    return a * 1000 + b * 100 + c * 10 + d;
}

uintptr_t AddressOf(const void* function) { return reinterpret_cast<uintptr_t>(function); }

}  // namespace

DK_TEST(PlainCallsPassArgumentsInOrder) {
    CHECK(CallPlain<int32_t>(AddressOf(reinterpret_cast<const void*>(PlainDigits)), 1, 2, 3, 4) == 1234);
}

// A caller that did not expect the callee to remove its arguments would
// return to a wrong address after a few of these calls.
DK_TEST(CallsOnARecordUseEcxAndLetTheCalleeCleanUp) {
    auto* record = reinterpret_cast<void*>(1000);
    int32_t sum = 0;
    for (int i = 0; i < 100; ++i) {
        sum += CallOn<int32_t>(AddressOf(reinterpret_cast<const void*>(dk_test_on_record)), record, int32_t{5},
                               int32_t{i});
    }
    CHECK(sum == 100 * 1050 - 4950);
}

DK_TEST(RegisterCallWithEcxAndEaxReturnsEax) {
    const uintptr_t function = AddressOf(reinterpret_cast<const void*>(dk_test_ecx_eax));
    CHECK(CallEcxEax(function, reinterpret_cast<void*>(0x1000), 5) == reinterpret_cast<void*>(0x1014));
    CHECK(CallEcxEax(function, reinterpret_cast<void*>(0x1000), -1) == reinterpret_cast<void*>(0xffc));
}

DK_TEST(TorchCallsPassTheWeaponInEcxAndTheFlagInDl) {
    const uintptr_t function = AddressOf(reinterpret_cast<const void*>(dk_test_ecx_dl));
    const struct {
        uintptr_t weapon;
        uint8_t on;
    } cases[] = {{0x12345678, 1}, {0x0badcafe, 0}};
    for (const auto& c : cases) {
        dk_test_seen_ecx = 0;
        dk_test_seen_edx = 0xffff;
        CHECK(GuardedTorchCall(function, reinterpret_cast<void*>(c.weapon), c.on));
        CHECK(dk_test_seen_ecx == c.weapon);
        CHECK((dk_test_seen_edx & 0xff) == c.on);
    }
}

DK_TEST(AFaultingTorchCallReturnsFalse) {
    const uintptr_t function = AddressOf(reinterpret_cast<const void*>(dk_test_ecx_dl_faults));
    CHECK(!GuardedTorchCall(function, nullptr, 1));
    uint32_t weapon[32] = {};
    CHECK(GuardedTorchCall(function, weapon, 0));
}
