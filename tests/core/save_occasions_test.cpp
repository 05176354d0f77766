// The binding file is written on exactly three occasions: the first start, a
// captured key that recorded an override, and a reset.
#include <cstring>

#include "core_test_env.h"

namespace dk::testing {
namespace {

class SaveOccasionsTest : public CoreTest {
protected:
    int Saves() const { return windows->replaceCalls; }

    // Captures 'Q' for the item, after renaming it as the game would let it be named.
    void CaptureFor(fake::FakeItem& item, const char* name) {
        item.name = {name, static_cast<int32_t>(std::strlen(name))};
        fake::ClearSelection("mymovementkeys");
        item.selected = true;
        ControllerTick();  // Enter seen up
        fake::PressKey(kVkReturn);
        ASSERT_EQ(ControllerTick(), TickEnd::PressTaken);
        fake::ReleaseKey(kVkReturn);
        fake::AdvanceClock(300);
        ASSERT_EQ(CaptureKey('Q'), TickEnd::CaptureTookKey);
        fake::AdvanceClock(400);
    }
};

TEST_F(SaveOccasionsTest, SavedExactlyOnTheThreeOccasions) {
    StartAndInstall();
    EXPECT_EQ(Saves(), 1);  // no file at the first start

    OpenPage("mymovementkeys");
    fake::ShowPage("");
    for (int i = 0; i < 60; ++i) ControllerTick();  // leaving, and periodic re-applies
    EXPECT_EQ(Saves(), 1);

    OpenPage("mymovementkeys");
    EXPECT_EQ(PressEnterOn("mymovementkeys", "controls"), TickEnd::PressTaken);  // the "apply" link
    EXPECT_EQ(Saves(), 1);
    fake::AdvanceClock(400);

    fake::FakeItem& item = Item("mymovementkeys", "17");
    CaptureFor(item, "17");
    EXPECT_EQ(Saves(), 2);

    CaptureFor(item, "6");  // the game's action 6 is not offered for rebinding
    EXPECT_EQ(fake::FakeSlotByte(6), 16);
    EXPECT_FALSE(BindingOverrides[6].overrideSet);
    EXPECT_EQ(Saves(), 2);

    fake::SetFakeSlotByte(6, 0);
    CaptureFor(item, "60");  // outside the table: only the item changes
    EXPECT_EQ(item.value, 16);
    for (int slot = 0; slot < fake::kBindingSlotCount; ++slot) {
        if (slot != 17) {
            EXPECT_EQ(fake::FakeSlotByte(slot), 0) << slot;
        }
    }
    EXPECT_EQ(Saves(), 2);

    item.name = {"17", 2};
    PressEnterOn("mymovementkeys", "reset_button");
    EXPECT_EQ(Saves(), 3);
}

TEST_F(SaveOccasionsTest, FailedSaveKeepsTheBindingInTableAndItem) {
    StartAndInstall();
    const std::string before = IniText();
    OpenPage("mymovementkeys");
    windows->failReplace = true;
    CaptureFor(Item("mymovementkeys", "17"), "17");
    EXPECT_EQ(Item("mymovementkeys", "17").value, 16);
    EXPECT_EQ(fake::FakeSlotByte(17), 16);
    EXPECT_EQ(IniText(), before);
}

}  // namespace
}  // namespace dk::testing
