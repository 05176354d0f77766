#include "support/fake_binding_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dk::fake {

namespace {

uint8_t table[kBindingTableBytes] = {};

// The plug-in checks 0..59 before it touches a slot; a call beyond is a fault
// in the code under test, which the real table would not survive either.
bool IsSlotValid(int32_t slot) {
    if (slot >= 0 && slot < kBindingSlotCount) return true;
    ADD_FAILURE() << "binding slot " << slot << " is outside the game's table";
    return false;
}

}  // namespace

uint8_t* FakeBindingTable() { return table; }

void ResetFakeBindingTable(uint8_t fill) { std::memset(table, fill, sizeof table); }

uint8_t FakeSlotByte(int32_t slot) { return IsSlotValid(slot) ? table[slot * kBindingSlotBytes] : 0; }

void SetFakeSlotByte(int32_t slot, uint8_t value) {
    if (IsSlotValid(slot)) table[slot * kBindingSlotBytes] = value;
}

void FillFakeBindingTable(HostInterface& host) {
    host.bindingSlotByte = FakeSlotByte;
    host.setBindingSlotByte = SetFakeSlotByte;
}

}  // namespace dk::fake
