#include "bindings/binding_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "bindings/binding_file.h"
#include "bindings_test_env.h"

namespace dk {
namespace {

using testing::BindingsTest;
using testing::SameOverrides;

// The default layout, written out here independently of the catalogue.
const std::map<ActionIndex, KeyCode> kExpectedDefaults = {
    {0, 57},  {1, 46},  {2, 45},  {3, 19},   {4, 33},  {5, 33},  {7, 48},  {9, -34}, {11, 57},
    {12, 0},  {14, 15}, {17, 17}, {18, 31},  {19, 30}, {20, 32}, {21, 16}, {22, 18}, {24, 1},
    {25, -32}, {26, -34}, {28, 45}, {29, 42}, {31, -32}, {32, -32}, {38, 20}, {39, 2}, {40, 3},
    {41, 4},  {42, 5},  {45, 57}, {46, 47}, {48, 0},  {53, -34},
};

// Every byte of the table differs from its neighbours, so a stray write shows.
void FillTableWithPattern() {
    uint8_t* table = fake::FakeBindingTable();
    for (int i = 0; i < fake::kBindingTableBytes; ++i) table[i] = static_cast<uint8_t>(i * 7 + 3);
}

class BindingStoreTest : public BindingsTest {
protected:
    void SnapshotTable() { std::memcpy(before, fake::FakeBindingTable(), sizeof before); }
    bool TableUnchanged() const { return std::memcmp(before, fake::FakeBindingTable(), sizeof before) == 0; }
    // Slots whose first byte differs from the snapshot.
    std::vector<int> ChangedSlots() const {
        std::vector<int> changed;
        for (int slot = 0; slot < fake::kBindingSlotCount; ++slot) {
            if (before[slot * 4] != fake::FakeSlotByte(slot)) changed.push_back(slot);
        }
        return changed;
    }

    uint8_t before[fake::kBindingTableBytes] = {};
};

// Keys above 127 read back as themselves; only the mouse buttons' bytes are negative.
TEST_F(BindingStoreTest, ReadHostBindingGivesEveryByteItsCode) {
    for (int byte = 0; byte <= 255; ++byte) {
        KeyCode expected = byte;
        if (byte == 0xDE) expected = MOUSE_LEFT;
        if (byte == 0xE0) expected = MOUSE_RIGHT;
        if (byte == 0xE4) expected = MOUSE_X1;
        if (byte == 0xE3) expected = MOUSE_X2;
        fake::SetFakeSlotByte(17, static_cast<uint8_t>(byte));
        EXPECT_EQ(ReadHostBinding(17), expected) << byte;
    }
}

TEST_F(BindingStoreTest, SetBinding) {
    const struct {
        ActionIndex index;
        KeyCode code;
        bool recorded;
        uint8_t slotByte;
    } cases[] = {
        {6, 17, false, 0x11},    // not mappable: the game's slot changes, no override
        {9, 222, true, 0xDE},    // the value is kept as given
        {29, -28, true, 0xE4},
        {17, 0, true, 0x00},
        {53, 0x1234, true, 0x34},  // only the low byte reaches the game
        {59, 5, false, 0x05},
        {0, -1, true, 0xFF},
    };
    for (const auto& c : cases) {
        FillTableWithPattern();
        ClearBindingStore();
        EXPECT_EQ(SetBinding(c.index, c.code), c.recorded) << c.index;
        EXPECT_EQ(fake::FakeSlotByte(c.index), c.slotByte) << c.index;
        EXPECT_EQ(BindingOverrides[c.index].overrideSet, c.recorded) << c.index;
        if (c.recorded) {
            EXPECT_EQ(BindingOverrides[c.index].overrideCode, c.code) << c.index;
        }
    }
    SetBinding(9, 222);
    EXPECT_EQ(ReadHostBinding(9), -34);
}

TEST_F(BindingStoreTest, OutOfRangeIndicesChangeNothing) {
    FillTableWithPattern();
    SnapshotTable();
    FillDefaultBindings();
    for (ActionIndex index : {-1, 60, 61, 255, 256, INT32_MIN, INT32_MAX}) {
        KeyCode code = 7;
        EXPECT_FALSE(SetBinding(index, 17)) << index;
        EXPECT_FALSE(FindDefaultBinding(index, code)) << index;
        EXPECT_EQ(code, 7);
    }
    EXPECT_TRUE(TableUnchanged());
    for (const BindingOverride& entry : BindingOverrides) EXPECT_FALSE(entry.overrideSet);
}

TEST_F(BindingStoreTest, ApplyOverridesWritesOnlyTheSetSlots) {
    FillTableWithPattern();
    SnapshotTable();
    ApplyOverrides();
    EXPECT_TRUE(TableUnchanged());

    SetOverride(17, 156);
    SetOverride(29, -100);  // the same game byte as 156
    ApplyOverrides();
    EXPECT_EQ(ChangedSlots(), (std::vector<int>{17, 29}));
    EXPECT_EQ(fake::FakeSlotByte(17), 0x9C);
    EXPECT_EQ(fake::FakeSlotByte(29), 0x9C);
}

TEST_F(BindingStoreTest, SeedKeepsLoadedOverridesAndFillsTheRestFromTheGame) {
    FillTableWithPattern();
    SetOverride(17, 30);
    SetOverride(29, -28);
    SnapshotTable();
    SeedOverridesFromHost();
    EXPECT_TRUE(TableUnchanged());
    for (ActionIndex index = 0; index <= kMaxActionIndex; ++index) {
        const BindingOverride& entry = BindingOverrides[index];
        EXPECT_EQ(entry.overrideSet, IsMappable(index)) << index;
        if (!entry.overrideSet) continue;
        const KeyCode expected = index == 17 ? 30 : index == 29 ? -28 : ReadHostBinding(index);
        EXPECT_EQ(entry.overrideCode, expected) << index;
    }
}

TEST_F(BindingStoreTest, FillDefaultBindingsHoldsTheDefaultLayout) {
    FillDefaultBindings();
    EXPECT_EQ(DefaultBindings, kExpectedDefaults);
    KeyCode code = 99;
    EXPECT_FALSE(FindDefaultBinding(30, code));
    EXPECT_EQ(code, 99);
    EXPECT_TRUE(FindDefaultBinding(53, code));
    EXPECT_EQ(code, -34);
}

TEST_F(BindingStoreTest, ResetToDefaultsWritesEveryDefaultAndSetsEveryFlag) {
    FillTableWithPattern();
    SnapshotTable();
    FillDefaultBindings();
    ResetToDefaults();
    for (ActionIndex index = 0; index <= kMaxActionIndex; ++index) {
        auto expected = kExpectedDefaults.find(index);
        if (expected == kExpectedDefaults.end()) {
            EXPECT_EQ(fake::FakeSlotByte(index), before[index * 4]) << index;
            EXPECT_FALSE(BindingOverrides[index].overrideSet) << index;
            continue;
        }
        EXPECT_EQ(fake::FakeSlotByte(index), static_cast<uint8_t>(expected->second)) << index;
        EXPECT_TRUE(BindingOverrides[index].overrideSet) << index;
        EXPECT_EQ(BindingOverrides[index].overrideCode, expected->second) << index;
    }
    EXPECT_EQ(fake::FakeSlotByte(12), 0);
    EXPECT_EQ(fake::FakeSlotByte(48), 0);
}

TEST_F(BindingStoreTest, ResetWithoutDefaultsChangesNothing) {
    FillTableWithPattern();
    SnapshotTable();
    ResetToDefaults();
    EXPECT_TRUE(TableUnchanged());
    for (const BindingOverride& entry : BindingOverrides) EXPECT_FALSE(entry.overrideSet);
}

TEST_F(BindingStoreTest, NoOperationTouchesBytesOneToThreeOfAnySlot) {
    UseFile();
    FillTableWithPattern();
    SnapshotTable();
    FillDefaultBindings();
    for (ActionIndex index = -1; index <= 60; ++index) SetBinding(index, -0x5A5A5A5B);
    SeedOverridesFromHost();
    ApplyOverrides();
    ResetToDefaults();
    ASSERT_TRUE(SaveBindingFile());
    LoadBindingFile();
    ApplyOverrides();
    const uint8_t* table = fake::FakeBindingTable();
    for (int slot = 0; slot < fake::kBindingSlotCount; ++slot) {
        for (int byte = 1; byte < 4; ++byte) {
            EXPECT_EQ(table[slot * 4 + byte], before[slot * 4 + byte]) << slot << ":" << byte;
        }
    }
}

TEST_F(BindingStoreTest, ClearBindingStoreForgetsDefaultsAndOverrides) {
    FillDefaultBindings();
    SetOverride(17, 30);
    ClearBindingStore();
    EXPECT_TRUE(DefaultBindings.empty());
    BindingOverride cleared[kMaxActionIndex + 1] = {};
    EXPECT_TRUE(SameOverrides(BindingOverrides, cleared));
}

}  // namespace
}  // namespace dk
