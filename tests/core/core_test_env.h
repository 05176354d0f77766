#pragma once
// A fresh process for each core test: the fake game with its "start" and
// "controls" pages, the fake Windows with its clock, and a temporary folder
// that holds the plug-in module and so its binding file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bindings/binding_file_path.h"
#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"
#include "core/controller_state.h"
#include "core/controller_tick.h"
#include "core/installation.h"
#include "core/startup.h"
#include "core/worker.h"
#include "features/torch_toggle.h"
#include "frontend/custom_pages.h"
#include "keys/virtual_key_codes.h"
#include "platform/platform.h"
#include "support/fake_binding_table.h"
#include "support/fake_host.h"
#include "support/fake_platform.h"

namespace dk::testing {

// From one once-a-second file check to the next.
inline constexpr uint32_t kCheck = 1001;

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        game = &fake::InstallFakeHost();
        windows = &fake::InstallFakePlatform();
        ClearBindingStore();
        ResetCustomPages();
        ResetTorchToggle();
        ResetWorkerState();
        ForgetBindingFilePath();
        ResetBindingFileWatch();
        char pattern[] = "/tmp/dk_core_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        windows->moduleFileName = (folder / "DuskvaleKeys.asi").string();
        iniPath = folder / "DuskvaleKeys.ini";
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ForgetBindingFilePath();
        ResetBindingFileWatch();
    }

    std::string IniText() const {
        std::ifstream in(iniPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void WriteIni(const std::string& text) const { std::ofstream(iniPath, std::ios::binary) << text; }

    // Start-up and installation as the worker runs them, "start" shown at once.
    void StartAndInstall() {
        RunStartup();
        fake::ShowPage("start");
        ASSERT_TRUE(WaitStep());
    }

    // Shows a custom page, with Enter up, and waits until a press can count.
    void OpenPage(const char* pageName) {
        fake::ShowPage(pageName);
        ControllerTick();  // arrival: entry refresh, Enter must be seen up
        ControllerTick();  // Enter seen up
        fake::AdvanceClock(300);
    }

    // One tick at that virtual time; its sleeps go into lastSleeps.
    TickEnd TickAt(uint32_t now) {
        windows->now = now;
        const size_t before = windows->sleeps.size();
        const TickEnd end = ControllerTick();
        lastSleeps.assign(windows->sleeps.begin() + before, windows->sleeps.end());
        return end;
    }

    void NextCheck() { TickAt(windows->now + kCheck); }

    // How often a save began: each try opens a new temporary file.
    int SaveTries() const {
        int tries = 0;
        for (const fake::FileCall& call : windows->fileCalls) tries += call.what == "open DuskvaleKeys.ini.tmp wb";
        return tries;
    }

    fake::FakeItem& Item(const char* pageName, const char* itemName) {
        fake::FakeItem* item = fake::FindFakeItem(pageName, itemName);
        if (item != nullptr) return *item;
        ADD_FAILURE() << "no item " << pageName << "/" << itemName;
        static fake::FakeItem missing;  // lets the test go on to its other checks
        return missing;
    }

    // Selects the item and gives Enter one tick down, then one tick up.
    TickEnd PressEnterOn(const char* pageName, const char* itemName) {
        fake::SelectItem(pageName, itemName);
        fake::PressKey(kVkReturn);
        const TickEnd end = ControllerTick();
        fake::ReleaseKey(kVkReturn);
        return end;
    }

    // Holds the key until the capture takes it (or gives up after a while).
    TickEnd CaptureKey(int virtualKey) {
        fake::PressKey(virtualKey);
        TickEnd end = TickEnd::CaptureNoKey;
        for (int i = 0; i < 20 && end != TickEnd::CaptureTookKey; ++i) end = ControllerTick();
        fake::ReleaseKey(virtualKey);
        return end;
    }

    fake::FakeHostState* game = nullptr;
    fake::FakePlatformState* windows = nullptr;
    std::filesystem::path folder;
    std::filesystem::path iniPath;
    std::vector<uint32_t> lastSleeps;
};

}  // namespace dk::testing
