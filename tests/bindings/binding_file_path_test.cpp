#include "bindings/binding_file_path.h"

#include <gtest/gtest.h>

#include "bindings/binding_file.h"
#include "bindings_test_env.h"

namespace dk {
namespace {

TEST(ResolveBindingFilePath, ReplacesTheLastExtensionOfTheModuleName) {
    const struct {
        const char* module;
        const char* path;
    } cases[] = {
        {"C:\\Games\\Duskvale\\DuskvaleKeys.asi", "C:\\Games\\Duskvale\\DuskvaleKeys.ini"},
        {"C:\\Games\\Duskvale\\a.b.asi", "C:\\Games\\Duskvale\\a.b.ini"},
        {"C:\\Games\\Duskvale\\Keys", "C:\\Games\\Duskvale\\Keys.ini"},
        {"C:\\Games\\v1.2\\Keys", "C:\\Games\\v1.2\\Keys.ini"},  // a dot in a folder is not an extension
        {"C:\\Games/plugins\\Keys.dll", "C:\\Games/plugins\\Keys.ini"},
        {"C:\\Games\\plugins/Keys.dll", "C:\\Games\\plugins/Keys.ini"},
        {"/opt/game/keys.asi", "/opt/game/keys.ini"},
        {"Keys.asi", "Keys.ini"},
        {"Keys", "Keys.ini"},
        {"C:\\Games\\", "C:\\Games\\.ini"},
        {"C:\\Games\\.asi", "C:\\Games\\.ini"},
        {"", ".ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveBindingFilePath(c.module), c.path) << c.module;
}

class BindingFilePathTest : public testing::BindingsTest {};

TEST_F(BindingFilePathTest, ComputedOnceFromTheModuleName) {
    platform->moduleFileName = (folder / "Keys.asi").string();
    ASSERT_TRUE(HaveBindingFilePath());
    EXPECT_EQ(bindingFilePath, (folder / "Keys.ini").string());
    platform->moduleFileName = (folder / "Other.asi").string();
    ASSERT_TRUE(HaveBindingFilePath());
    EXPECT_EQ(bindingFilePath, (folder / "Keys.ini").string());
}

TEST_F(BindingFilePathTest, SaveAndLoadFindTheFileThemselves) {
    platform->moduleFileName = (folder / "Keys.asi").string();
    fake::SetFakeSlotByte(17, 30);
    ASSERT_TRUE(SaveBindingFile());
    EXPECT_TRUE(std::filesystem::exists(folder / "Keys.ini"));

    ClearBindingStore();
    bindingFilePath.clear();
    LoadBindingFile();
    EXPECT_EQ(bindingFilePath, (folder / "Keys.ini").string());
    EXPECT_EQ(BindingOverrides[17].overrideCode, 30);
}

}  // namespace
}  // namespace dk
