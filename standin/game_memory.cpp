#include "game_memory.h"

#include <windows.h>

#include <cstring>

#include "game_addresses.h"

namespace standin {
namespace {

// Uninitialised, so it goes to .bss: zero-filled and never in the file. The
// size reaches well past the highest game address wherever the linker puts it.
constexpr uint32_t kBlockSize = 0x500000;
alignas(4096) uint8_t gameBlock[kBlockSize];

uint32_t BlockStart() { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(gameBlock)); }
uint32_t BlockEnd() { return BlockStart() + kBlockSize; }

bool Protect(uint32_t first, uint32_t end, DWORD protection) {
    DWORD old = 0;
    return VirtualProtect(GameAt<void>(first), end - first, protection, &old) != 0;
}

}  // namespace

bool ClaimGameMemory(std::string* why) {
    char text[160];
    if (BlockStart() > kGameCodeFirst || BlockEnd() < kGameSpanEnd) {
        snprintf(text, sizeof text, "game block 0x%08x..0x%08x does not cover 0x%08x..0x%08x",
                 BlockStart(), BlockEnd(), kGameCodeFirst, kGameSpanEnd);
        *why = text;
        return false;
    }
    // The block must be part of our own image, not memory Wine handed to something else.
    for (uint32_t address : {kGameCodeFirst, kGameSpanEnd - 1}) {
        MEMORY_BASIC_INFORMATION info{};
        VirtualQuery(GameAt<void>(address), &info, sizeof info);
        if (info.AllocationBase != GetModuleHandleA(nullptr)) {
            snprintf(text, sizeof text, "0x%08x does not belong to the stand-in's image", address);
            *why = text;
            return false;
        }
    }
    if (!Protect(BlockStart(), BlockEnd(), PAGE_EXECUTE_READWRITE)) {
        snprintf(text, sizeof text, "VirtualProtect of the game block failed (%lu)", GetLastError());
        *why = text;
        return false;
    }
    return true;
}

void SealGameCode() {
    Protect(BlockStart(), kGameCodeFirst, PAGE_READWRITE);
    Protect(kGameCodeFirst, kGameCodeEnd, PAGE_EXECUTE_READ);
    Protect(kGameCodeEnd, BlockEnd(), PAGE_READWRITE);
}

std::vector<uint8_t> SnapshotGameMemory() {
    return std::vector<uint8_t>(gameBlock, gameBlock + kBlockSize);
}

bool GameMemoryEquals(const std::vector<uint8_t>& snapshot, uint32_t* firstDifference) {
    for (uint32_t i = 0; i < kBlockSize; ++i) {
        if (snapshot[i] != gameBlock[i]) {
            *firstDifference = BlockStart() + i;
            return false;
        }
    }
    return true;
}

uint32_t GamePageProtection(uint32_t address) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(GameAt<void>(address), &info, sizeof info);
    return info.Protect;
}

}  // namespace standin
