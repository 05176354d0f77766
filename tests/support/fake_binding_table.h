#pragma once
// The game's action table as a plain array: 60 slots of 4 bytes, the first
// byte of each being the action's key.
#include <cstdint>

#include "host/host_interface.h"

namespace dk::fake {

inline constexpr int kBindingSlotCount = 60;
inline constexpr int kBindingSlotBytes = 4;
inline constexpr int kBindingTableBytes = kBindingSlotCount * kBindingSlotBytes;

// The raw 240 bytes, for tests that look at or preset whole slots.
uint8_t* FakeBindingTable();
// Sets every byte of the table to `fill`.
void ResetFakeBindingTable(uint8_t fill = 0);
uint8_t FakeSlotByte(int32_t slot);
void SetFakeSlotByte(int32_t slot, uint8_t value);

// Points the table's two slot entries at the fake and leaves every other entry
// as it is, so a test can install a HostInterface holding just these.
void FillFakeBindingTable(HostInterface& host);

}  // namespace dk::fake
