#include "key_name_site.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "game_addresses.h"

namespace standin {
namespace {

volatile uint32_t stackImbalances = 0;
wchar_t gameNameBuffer[32];

// The game's own name function: fastcall, code in edx, ecx unused, two stack
// arguments that it removes. Its text is plainly not the plug-in's.
const wchar_t* __attribute__((fastcall)) GameKeyName(int32_t /*ecx*/, int32_t code, int32_t, int32_t) {
    std::swprintf(gameNameBuffer, 32, L"game#%d", static_cast<int>(code));
    return gameNameBuffer;
}

void Put32(uint8_t* at, uint32_t value) { std::memcpy(at, &value, 4); }
uint32_t Addr(const volatile void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

// push ebx; push esi; mov esi,esp; mov edx,[esp+12]; mov ecx,imm; push imm; push imm
constexpr uint32_t kPrologueBytes = 1 + 1 + 2 + 4 + 5 + 5 + 5;
constexpr uint32_t kRoutineStart = kKeyNameCallSite - kPrologueBytes;

using DrawRoutine = const wchar_t* (*)(int32_t);  // cdecl, as the game's caller sees it

}  // namespace

uint32_t GameKeyNameAddress() { return Addr(reinterpret_cast<const void*>(&GameKeyName)); }

void LayKeyNameRoutine(bool knownBuild) {
    uint8_t* p = GameAt<uint8_t>(kRoutineStart);
    *p++ = 0x53;                                       // push ebx
    *p++ = 0x56;                                       // push esi
    *p++ = 0x89; *p++ = 0xE6;                          // mov esi, esp
    *p++ = 0x8B; *p++ = 0x54; *p++ = 0x24; *p++ = 0x0C;  // mov edx, [esp+12]
    *p++ = 0xB9; Put32(p, 0x0BADC0DE); p += 4;         // mov ecx, junk
    *p++ = 0x68; Put32(p, 0x22222222); p += 4;         // push second stack argument
    *p++ = 0x68; Put32(p, 0x11111111); p += 4;         // push first stack argument
    // p == the call site
    if (knownBuild) {
        *p++ = 0xE8;
        Put32(p, GameKeyNameAddress() - (kKeyNameCallSite + 5)); p += 4;
    } else {
        // Another build: a long nop here, and the arguments are dropped below.
        const uint8_t nop5[5] = {0x0F, 0x1F, 0x44, 0x00, 0x00};
        std::memcpy(p, nop5, 5); p += 5;
    }
    *p++ = 0x39; *p++ = 0xF4;                          // cmp esp, esi
    *p++ = 0x74; *p++ = 0x0A;                          // je done
    *p++ = 0xFF; *p++ = 0x05;                          // inc dword [stackImbalances]
    Put32(p, Addr(&stackImbalances)); p += 4;
    *p++ = 0x89; *p++ = 0xF4;                          // mov esp, esi
    *p++ = 0x31; *p++ = 0xC0;                          // xor eax, eax
    *p++ = 0x5E;                                       // done: pop esi
    *p++ = 0x5B;                                       // pop ebx
    *p++ = 0xC3;                                       // ret
}

std::string DrawKeyName(int32_t code) {
    const wchar_t* wide = reinterpret_cast<DrawRoutine>(kRoutineStart)(code);
    if (!wide) return "(null)";
    std::string text;
    for (int i = 0; i < 64 && wide[i]; ++i) text += wide[i] < 128 ? static_cast<char>(wide[i]) : '?';
    return text;
}

bool KeyNameStackAlwaysBalanced() { return stackImbalances == 0; }

bool CallSiteIsNearCall() { return *GameAt<uint8_t>(kKeyNameCallSite) == 0xE8; }

uint32_t CallSiteTarget() {
    int32_t displacement;
    std::memcpy(&displacement, GameAt<uint8_t>(kKeyNameCallSite + 1), 4);
    return kKeyNameCallSite + 5 + displacement;
}

bool CallSiteIsGameOriginal() { return CallSiteIsNearCall() && CallSiteTarget() == GameKeyNameAddress(); }

std::string GameOwnKeyName(int32_t code) { return "game#" + std::to_string(code); }

}  // namespace standin
