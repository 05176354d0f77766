#pragma once
// A fresh world for each bindings test: the fake game table installed and
// filled with a marker, the store and the file path at their state at load,
// the fake platform installed, and a temporary folder of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bindings/binding_file_path.h"
#include "bindings/binding_file_watch.h"
#include "bindings/binding_store.h"
#include "host/host_interface.h"
#include "support/fake_binding_table.h"
#include "support/fake_platform.h"

namespace dk::testing {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline bool SameOverrides(const BindingOverride (&a)[kMaxActionIndex + 1],
                          const BindingOverride (&b)[kMaxActionIndex + 1]) {
    for (int i = 0; i <= kMaxActionIndex; ++i) {
        if (a[i].overrideSet != b[i].overrideSet) return false;
        if (a[i].overrideSet && a[i].overrideCode != b[i].overrideCode) return false;
    }
    return true;
}

class BindingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::FillFakeBindingTable(host);
        InstallHostInterface(&host);
        fake::ResetFakeBindingTable(0);
        ClearBindingStore();
        ForgetBindingFilePath();
        ResetBindingFileWatch();
        platform = &fake::InstallFakePlatform();
        char pattern[] = "/tmp/dk_bindings_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ForgetBindingFilePath();
        ResetBindingFileWatch();
    }

    // Points the binding file at `name` inside this test's folder.
    std::filesystem::path UseFile(const std::string& name = "DuskvaleKeys.ini") {
        bindingFilePath = (folder / name).string();
        return bindingFilePath;
    }

    bool OnlyFileIn(const std::filesystem::path& dir, const std::string& name) {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            ++count;
            if (entry.path().filename() != name) return false;
        }
        return count == 1;
    }

    HostInterface host{};
    fake::FakePlatformState* platform = nullptr;
    std::filesystem::path folder;
};

}  // namespace dk::testing
