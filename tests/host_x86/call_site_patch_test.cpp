#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/x86/call_site_patch.h"
#include "host_x86/check.h"
#include "host_x86/test_memory.h"

using namespace dk::x86;
using namespace dk::test;

namespace {

struct ProtectCall {
    uintptr_t address;
    SIZE_T size;
    DWORD protection;
};

std::vector<ProtectCall> protectCalls;

BOOL WINAPI RecordingProtect(LPVOID address, SIZE_T size, DWORD protection, PDWORD previous) {
    protectCalls.push_back({reinterpret_cast<uintptr_t>(address), size, protection});
    return VirtualProtect(address, size, protection, previous);
}

BOOL WINAPI FailingProtect(LPVOID address, SIZE_T size, DWORD protection, PDWORD) {
    protectCalls.push_back({reinterpret_cast<uintptr_t>(address), size, protection});
    return FALSE;
}

int32_t DisplacementAt(uintptr_t site) {
    int32_t displacement;
    std::memcpy(&displacement, reinterpret_cast<const void*>(site + 1), sizeof displacement);
    return displacement;
}

int __attribute__((cdecl)) FortyTwo() { return 42; }

}  // namespace

// Sites in the middle of a page and across a page boundary; targets ahead
// of the site and behind it.
DK_TEST(ANearCallIsWrittenAndTheProtectionGivenBack) {
    TestPage code(PAGE_EXECUTE_READ);
    const uintptr_t sites[] = {code.at(0x10), code.at(0xffe)};
    const uintptr_t targets[] = {code.at(0x1800), code.at(0x4), 0x5602b8};
    for (uintptr_t site : sites) {
        for (uintptr_t target : targets) {
            protectCalls.clear();
            CHECK(WriteNearCall(site, reinterpret_cast<const void*>(target), RecordingProtect));
            CHECK(*reinterpret_cast<const uint8_t*>(site) == 0xE8);
            CHECK(static_cast<uint32_t>(DisplacementAt(site)) == target - (site + 5));
            CHECK(ProtectionAt(site) == PAGE_EXECUTE_READ);
            CHECK(ProtectionAt(site + 4) == PAGE_EXECUTE_READ);
            CHECK(protectCalls.size() == 2);
            if (protectCalls.size() == 2) {
                CHECK(protectCalls[0].address == site && protectCalls[0].size == 5);
                CHECK(protectCalls[0].protection == PAGE_EXECUTE_READWRITE);
                CHECK(protectCalls[1].address == site && protectCalls[1].size == 5);
                CHECK(protectCalls[1].protection == PAGE_EXECUTE_READ);
            }
        }
    }
}

DK_TEST(TheWrittenCallRunsToItsTarget) {
    TestPage code(PAGE_EXECUTE_READ);
    const uint8_t ret = 0xc3;
    DWORD previous;
    VirtualProtect(code.base, 0x2000, PAGE_EXECUTE_READWRITE, &previous);
    std::memcpy(code.base + 0x105, &ret, 1);
    VirtualProtect(code.base, 0x2000, PAGE_EXECUTE_READ, &previous);

    CHECK(WriteNearCall(code.at(0x100), reinterpret_cast<const void*>(FortyTwo), VirtualProtect));
    CHECK(reinterpret_cast<int (*)()>(code.base + 0x100)() == 42);
}

// Writing without the protection change would fault on the game's code;
// here the page is writable anyway, so a write would show.
DK_TEST(NothingIsWrittenWhenTheProtectionCannotBeChanged) {
    TestPage data(PAGE_READWRITE);
    std::memset(data.base, 0x90, 0x40);
    protectCalls.clear();
    CHECK(!WriteNearCall(data.at(0x10), reinterpret_cast<const void*>(data.at(0x30)), FailingProtect));
    for (int i = 0; i < 0x40; ++i) CHECK(data.base[i] == 0x90);
    CHECK(protectCalls.size() == 1);
}

DK_TEST(TheKnownBuildCheckWantsANearCallAtTheSite) {
    TestPage data(PAGE_READWRITE);
    data.base[0] = 0xE8;
    data.base[1] = 0xE9;
    TestPage noAccess(PAGE_NOACCESS);
    CHECK(HasNearCallAt(data.at(0)));
    CHECK(!HasNearCallAt(data.at(1)));
    CHECK(!HasNearCallAt(data.at(2)));
    CHECK(!HasNearCallAt(noAccess.at(0)));
    CHECK(!HasNearCallAt(0));
}
