#pragma once
// The game's action-to-key table at its fixed address, with the game's own
// default keys, and what a check needs to know about it.
#include <cstdint>
#include <string>

namespace standin {

void LayBindingTable();  // the game's defaults, and a pattern in bytes 1..3
uint8_t BindingSlotByte(int action);
void SetBindingSlotByte(int action, uint8_t value);  // the game changing its own table
uint8_t GameDefaultKey(int action);
bool IsMappableAction(int action);
extern const int kMappableActions[33];

// Bytes 1..3 of every slot, and byte 0 of every slot the plug-in must not
// touch, as laid; the first difference is described in *where.
bool TableOutsideMappableUntouched(std::string* where);

// The action a key-bind item of the game's own key pages shows, or -1.
int GameKeyPageAction(const std::string& itemName);

}  // namespace standin
