// The log file itself: its lines, its bound of 64 KiB, and a log that cannot
// be created.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "log/plugin_log.h"
#include "support/fake_platform.h"

namespace dk::testing {
namespace {

class PluginLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows = &fake::InstallFakePlatform();
        char pattern[] = "/tmp/dk_log_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        path = (folder / "DuskvaleKeys.log").string();
    }

    void TearDown() override {
        ClosePluginLog();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string Bytes() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fake::FakePlatformState* windows = nullptr;
    std::filesystem::path folder;
    std::string path;
};

TEST_F(PluginLogTest, EachLineIsTimeStampedEndsWithCrLfAndIsInTheFileAtOnce) {
    std::ofstream(path, std::ios::binary) << "the last start's log\r\n";
    ASSERT_TRUE(OpenPluginLog(path));
    EXPECT_EQ(Bytes(), "") << "a start replaces the last start's log";
    LogLine("game build recognised");
    EXPECT_EQ(Bytes(), "13:05:09.042 game build recognised\r\n") << "no byte-order mark, nothing held back";
    windows->localTimeOfDay = ((23 * 60 + 59) * 60 + 59) * 1000 + 999;
    LogLine("DuskvaleKeys at C:\\Spiele\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B");  // UTF-8 as given
    EXPECT_EQ(Bytes(), "13:05:09.042 game build recognised\r\n"
                       "23:59:59.999 DuskvaleKeys at C:\\Spiele\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\r\n");
}

TEST_F(PluginLogTest, StopsWithLogFullWithinSixtyFourKibibytes) {
    ASSERT_TRUE(OpenPluginLog(path));
    const std::string text(100, 'x');
    for (int i = 0; i < 1000; ++i) LogLine(text);
    const std::string bytes = Bytes();
    const std::string fullLine = "13:05:09.042 log full\r\n";
    EXPECT_LE(bytes.size(), kLogByteLimit);
    ASSERT_GE(bytes.size(), fullLine.size());
    EXPECT_EQ(bytes.substr(bytes.size() - fullLine.size()), fullLine);
    // As many whole lines as leave room for the last one, and not one fewer.
    const size_t lineSize = 13 + text.size() + 2;
    EXPECT_EQ(bytes.size(), (kLogByteLimit - fullLine.size()) / lineSize * lineSize + fullLine.size());
    LogLine("after the end");
    EXPECT_EQ(Bytes(), bytes) << "nothing more at this start";
    EXPECT_TRUE(ReportsTrouble(fullLine.substr(0, fullLine.size() - 2)));
}

TEST_F(PluginLogTest, ALogThatCannotBeCreatedStaysOffAndLeavesTheFileAsItWas) {
    std::ofstream(path, std::ios::binary) << "held by another program\r\n";
    windows->lockedPath = path;
    EXPECT_FALSE(OpenPluginLog(path));
    LogLine("game build recognised");
    EXPECT_EQ(Bytes(), "held by another program\r\n");
}

TEST_F(PluginLogTest, WindowsErrorsComeWithTheSystemsWords) {
    EXPECT_EQ(WindowsErrorText(fake::kSharingViolation),
              std::string("Windows error 32: ") + fake::kSharingViolationText);
    EXPECT_EQ(WindowsErrorText(0), "Windows error 0");
}

}  // namespace
}  // namespace dk::testing
