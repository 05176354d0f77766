#include <windows.h>

#include <cstdint>
#include <cstring>

#include "host/x86/call_site_patch.h"
#include "host/x86/key_name_hook.h"
#include "host_x86/check.h"
#include "host_x86/test_memory.h"

using namespace dk::x86;
using namespace dk::test;

namespace {

struct HookCall {
    const wchar_t* text;
    uint32_t espBefore;
    uint32_t espAfter;
};

// Calls the hook exactly as the game's call site does: key code in edx,
// something else in ecx, two words pushed that the callee must remove.
HookCall CallLikeTheGame(int code) {
    HookCall call{};
    int edx = code;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "pushl $0x22222222\n\t"
        "pushl $0x11111111\n\t"
        "movl $0x5a5a5a5a, %%ecx\n\t"
        "call *%[hook]\n\t"
        "movl %%esp, %%edi\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(call.text), "=&S"(call.espBefore), "=&D"(call.espAfter), "+d"(edx)
        : [hook] "b"(&KeyNameHook)
        : "ecx", "memory", "cc");
    return call;
}

bool SameText(const wchar_t* text, const char16_t* expected) {
    for (; *expected != 0; ++text, ++expected) {
        if (static_cast<char16_t>(*text) != *expected) return false;
    }
    return *text == 0;
}

}  // namespace

DK_TEST(KeyNameHookRemovesTwoStackWordsAndAnswersInEax) {
    const HookCall first = CallLikeTheGame(157);
    CHECK(first.espAfter == first.espBefore);
    CHECK(SameText(first.text, u"RCONTROL"));

    // Names are constants: a later call leaves the first caller's text alone.
    const HookCall second = CallLikeTheGame(0);
    CHECK(second.espAfter == second.espBefore);
    CHECK(SameText(second.text, u"*No Keybind Set*"));
    CHECK(SameText(first.text, u"RCONTROL"));
    CHECK(SameText(CallLikeTheGame(-99).text, u"RCONTROL"));
}

// The whole seam: a call site like the game's, redirected by the patch
// writer, reaches the hook and comes back through the site's own code.
DK_TEST(ARedirectedCallSiteReachesTheHook) {
    TestPage code(PAGE_EXECUTE_READWRITE, 0x1000);
    const uint8_t site[] = {
        0x6a, 0x00,                    // push 0
        0x6a, 0x00,                    // push 0
        0xe8, 0x00, 0x00, 0x00, 0x00,  // call <the game's key-name function>
        0xc3,                          // ret
    };
    std::memcpy(code.base, site, sizeof site);
    DWORD ignored;
    VirtualProtect(code.base, 0x1000, PAGE_EXECUTE_READ, &ignored);

    CHECK(HasNearCallAt(code.at(4)));
    CHECK(WriteNearCall(code.at(4), reinterpret_cast<const void*>(&KeyNameHook), VirtualProtect));
    CHECK(ProtectionAt(code.at(4)) == PAGE_EXECUTE_READ);

    using GameCode = __attribute__((fastcall)) const wchar_t* (*)(int ecx, int code);
    const auto run = reinterpret_cast<GameCode>(code.base);
    CHECK(SameText(run(0, 46), u"C"));
    CHECK(SameText(run(0, -34), u"MOUSE LEFT"));
}
