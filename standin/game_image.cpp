#include "game_image.h"

#include <cstdint>
#include <cstring>

#include "game_addresses.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_memory.h"
#include "game_player.h"
#include "game_register_entries.h"
#include "key_name_site.h"

namespace standin {
namespace {

struct GameOperation {
    uint32_t address;
    const void* entry;
};

template <typename F>
const void* Entry(F* function) {
    return reinterpret_cast<const void*>(function);
}

const GameOperation kGameOperations[] = {
    {0x580ed0, Entry(&GameAllocate)},
    {0x553100, Entry(&GameConstructPage)},
    {0x5646f0, Entry(&GamePageAddItem)},
    {0x563fd0, Entry(&GamePageComplete)},
    {0x562df0, Entry(&GameGetFrontendManager)},
    {0x5626a0, Entry(&GameRegisterPage)},
    {0x5623f0, Entry(&GameIsPageActive)},
    {0x564040, Entry(&GamePageFindItem)},
    {0x561910, Entry(&GameSetItemColour)},
    {0x55eff0, Entry(&GameCreateTextItem)},
    {0x55fb20, Entry(&GameCreateLinkItem)},
    {0x55d2d0, Entry(&GameCreateKeyBindItem)},
    {0x53d8d0, Entry(&GameLogPrintf)},
    {0x4f66c6, Entry(&GameGetInventoryItemEntry)},
    {0x5271f1, Entry(&GameTorchOnEntry)},
    {0x527201, Entry(&GameTorchOffEntry)},
};

// jmp rel32 from the game address to the stand-in's implementation.
void LayJump(uint32_t at, const void* target) {
    uint8_t* p = GameAt<uint8_t>(at);
    int32_t displacement = static_cast<int32_t>(reinterpret_cast<uintptr_t>(target) - (at + 5));
    p[0] = 0xE9;
    std::memcpy(p + 1, &displacement, 4);
}

}  // namespace

bool BuildGameImage(bool knownBuild, std::string* why) {
    if (!ClaimGameMemory(why)) return false;
    for (const GameOperation& op : kGameOperations) LayJump(op.address, op.entry);
    LayKeyNameRoutine(knownBuild);
    LayBindingTable();
    SetCurrentPlayer(nullptr);
    BuildGameFrontend();
    SealGameCode();
    return true;
}

}  // namespace standin
