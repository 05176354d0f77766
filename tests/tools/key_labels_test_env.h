#pragma once
// dkcheck on a player's keyboard: the plug-in's fake layouts behind its labels.
#include <gtest/gtest.h>

#include "key_labels.h"
#include "keys/keyboard_layout.h"
#include "support/fake_platform.h"

namespace dk::check {

class KeyLabelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows = &fake::InstallFakePlatform();
        ResetKeyboardLayout();
    }
    void TearDown() override { ResetKeyboardLayout(); }

    // As dkcheck does on the player's keyboard.
    void Follow(KeyboardLayout layout) {
        windows->ownLayout = layout;
        LabelKeys(false);
    }

    fake::FakePlatformState* windows = nullptr;
};

}  // namespace dk::check
