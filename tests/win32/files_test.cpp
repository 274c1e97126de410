// The file routines over the Windows file system: replacing a file that exists (which a plain
// rename refuses there), binary bytes unchanged, both separators, the private temporary folder
// and the console's wake flag.
#include "util/Console.h"
#include "util/Files.h"
#include "util/SysFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace lw {
namespace {

namespace fs = std::filesystem;

class WinFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = TempFolder() + "files-test-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    std::string Dir;
};

TEST_F(WinFilesTest, ReplacingAFileKeepsBinaryBytesAndLeavesNoPartFile) {
    const std::string file = Dir + "/calc.zq";
    const std::string bytes("\r\n\x1a\0\n\xff", 6); // what text mode would change
    WriteStringToFile("old", file);
    WriteStringToFile(bytes, file);
    EXPECT_EQ(ReadFileToString(file), bytes);
    uint64_t size = 0;
    EXPECT_EQ(ReadFileHead(file, 3, &size), bytes.substr(0, 3));
    EXPECT_EQ(size, bytes.size());
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

TEST_F(WinFilesTest, MissingFilesAndFoldersAreReportedByName) {
    try {
        ReadFileToString(Dir + "/none.zq");
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.zq"), std::string::npos) << e.what();
    }
    EXPECT_THROW(WriteStringToFile("x", Dir + "/no/such/folder.zq"), EFileError);
    EXPECT_EQ(sys::PathKind(Dir), sys::TPathKind::Folder);
    EXPECT_EQ(sys::PathKind(Dir + "/none"), sys::TPathKind::None);
}

TEST_F(WinFilesTest, TemporaryFilesAreNewEachTime) {
    std::string a = Dir + "/t-XXXXXX", b = a;
    TFd fa(sys::CreateTempFile(a)), fb(sys::CreateTempFile(b));
    ASSERT_TRUE(fa && fb);
    EXPECT_NE(a, b);
    EXPECT_EQ(sys::PathKind(a), sys::TPathKind::File);
    // Windows keeps a file that is open: every user of these files closes before removing.
    EXPECT_NE(sys::RemoveFile(a), 0);
    EXPECT_EQ(fa.Close(), 0);
    EXPECT_EQ(sys::RemoveFile(a), 0);
    EXPECT_EQ(sys::PathKind(a), sys::TPathKind::None);
}

TEST(WinFiles, NamesSplitAtEitherSeparatorAndFoldersUseForwardSlashes) {
    EXPECT_EQ(ExtractFileName("C:\\calc\\games.zq"), "games.zq");
    EXPECT_EQ(ExtractFileName("C:/calc/games.zq"), "games.zq");
    EXPECT_EQ(ExtractFileExt("C:\\a.d\\prog"), "");
    const std::string program = ProgramFolder();
    EXPECT_EQ(program.find('\\'), std::string::npos) << program;
    EXPECT_TRUE(fs::is_directory(program));
    const std::string temp = TempFolder();
    EXPECT_EQ(temp.back(), '/');
    EXPECT_EQ(TempFolder(), temp);
}

TEST(WinConsole, TheWakeFlagWakesAWaitFromAnotherThreadUntilCleared) {
    sys::TWakeFlag flag;
    EXPECT_FALSE(flag.Wait(0));
    std::thread setter([&flag] { flag.Set(); });
    EXPECT_TRUE(flag.Wait(5000));
    setter.join();
    EXPECT_TRUE(flag.Wait(0)) << "stays set";
    flag.Clear();
    EXPECT_FALSE(flag.Wait(0));
}

} // namespace
} // namespace lw
