#include "game_bindings.h"

#include <cstdio>

#include "game_addresses.h"

namespace standin {
namespace {

// The game's own layout. It differs from the plug-in's defaults in actions 0,
// 5, 12 and 29, so seeding from the game and resetting can be told apart.
// 0xDE/0xE0 are the mouse buttons, 0x9D right Control (read back as -99).
const uint8_t kGameDefaults[kBindingSlotCount] = {
    /* 0*/ 18, 46, 45, 19, 33, 34, 0x41, 48, 0x42, 0xDE,
    /*10*/ 0x43, 57, 34, 0x44, 15, 0x45, 0x46, 17, 31, 30,
    /*20*/ 32, 16, 18, 0x47, 1, 0xE0, 0xDE, 0x48, 45, 0x9D,
    /*30*/ 0x49, 0xE0, 0xE0, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 20, 2,
    /*40*/ 3, 4, 5, 0x4F, 0x50, 57, 47, 0x51, 0, 0x52,
    /*50*/ 0x53, 0x54, 0x55, 0xDE, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B};

uint8_t* Slot(int action) { return GameAt<uint8_t>(kBindingTableAddress + 4 * action); }

uint8_t PatternByte(int action, int byte) { return static_cast<uint8_t>(0xA0 + action + 17 * byte); }

}  // namespace

const int kMappableActions[33] = {0,  1,  2,  3,  4,  5,  7,  9,  11, 12, 14, 17, 18, 19, 20, 21, 22,
                                  24, 25, 26, 28, 29, 31, 32, 38, 39, 40, 41, 42, 45, 46, 48, 53};

void LayBindingTable() {
    for (int i = 0; i < kBindingSlotCount; ++i) {
        Slot(i)[0] = kGameDefaults[i];
        for (int b = 1; b < 4; ++b) Slot(i)[b] = PatternByte(i, b);
    }
}

uint8_t BindingSlotByte(int action) { return Slot(action)[0]; }
void SetBindingSlotByte(int action, uint8_t value) { Slot(action)[0] = value; }
uint8_t GameDefaultKey(int action) { return kGameDefaults[action]; }

bool IsMappableAction(int action) {
    for (int m : kMappableActions)
        if (m == action) return true;
    return false;
}

bool TableOutsideMappableUntouched(std::string* where) {
    char text[120];
    for (int i = 0; i < kBindingSlotCount; ++i) {
        for (int b = 1; b < 4; ++b) {
            if (Slot(i)[b] != PatternByte(i, b)) {
                std::snprintf(text, sizeof text, "slot %d byte %d is 0x%02x", i, b, Slot(i)[b]);
                *where = text;
                return false;
            }
        }
        if (!IsMappableAction(i) && Slot(i)[0] != kGameDefaults[i]) {
            std::snprintf(text, sizeof text, "unmappable slot %d holds 0x%02x", i, Slot(i)[0]);
            *where = text;
            return false;
        }
    }
    return true;
}

int GameKeyPageAction(const std::string& itemName) {
    static const struct {
        const char* name;
        int action;
    } kItems[] = {{"g_fwd", 17}, {"g_back", 18}, {"g_run", 29}, {"g_use", 0}, {"g_reload", 3}};
    for (const auto& item : kItems)
        if (itemName == item.name) return item.action;
    return -1;
}

}  // namespace standin
