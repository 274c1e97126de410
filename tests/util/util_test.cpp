#include "util/Files.h"
#include "util/Nibbles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace lw;
namespace fs = std::filesystem;

TEST(Nibbles, UnpackPackRoundTrip) {
    EXPECT_EQ(UnpackNibbles(std::string("\x21\xA3", 2)), std::string("\x01\x02\x03\x0A", 4));
    EXPECT_EQ(PackNibbles(std::string("\x01\x02\x03", 3)), std::string("\x21\x03", 2));
    EXPECT_EQ(PackNibbles(""), "");
    std::mt19937 rng(1);
    for (int i = 0; i < 100; ++i) {
        std::string s(rng() % 64, '\0');
        for (auto& c : s) c = static_cast<char>(rng());
        ASSERT_EQ(PackNibbles(UnpackNibbles(s)), s);
    }
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("lw-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    fs::path Dir;
};

TEST_F(FilesTest, WriteReplacesAtomicallyAndReadsBack) {
    const std::string file = (Dir / "a.zq").string();
    std::string data("ZQZQ\0\xFF", 6);
    WriteStringToFile(data, file);
    EXPECT_EQ(ReadFileToString(file), data);
    WriteStringToFile("", file);
    EXPECT_EQ(ReadFileToString(file), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, FailedWriteKeepsOldFile) {
    const std::string file = (Dir / "keep.txt").string();
    WriteStringToFile("old", file);
    EXPECT_THROW(WriteStringToFile("new", (Dir / "missing" / "x").string()), EFileError);
    ::chmod(Dir.c_str(), 0500);
    if (::geteuid() != 0) { // root may write anywhere
        EXPECT_THROW(WriteStringToFile("new", file), EFileError);
        EXPECT_EQ(ReadFileToString(file), "old");
    }
    ::chmod(Dir.c_str(), 0700);
    EXPECT_THROW(ReadFileToString((Dir / "nope").string()), EFileError);
}

// Files written on several threads while others create files: every new file gets the mode
// any new file gets (nobody changes the process's umask meanwhile), and every write replaces
// its target whole.
TEST_F(FilesTest, HeadIsAtMostCountBytesWithTheWholeSize) {
    const std::string file = (Dir / "f").string();
    WriteStringToFile("0123456789", file);
    uint64_t size = 0;
    EXPECT_EQ(ReadFileHead(file, 4, &size), "0123");
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(ReadFileHead(file, 64), "0123456789");
    WriteStringToFile("", file);
    EXPECT_EQ(ReadFileHead(file, 8, &size), "");
    EXPECT_EQ(size, 0u);

    const auto failure = [](const std::string& path) {
        try {
            ReadFileHead(path, 8);
        } catch (const EFileError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure((Dir / "nope").string())
                  .rfind("Unable to open file " + (Dir / "nope").string() + " - ", 0),
              0u);
    EXPECT_EQ(failure(Dir.string()), "Cannot read from file " + Dir.string() + " - Is a directory");
}

TEST_F(FilesTest, ParallelWritesKeepModesAndWholeContents) {
    const mode_t old = ::umask(022);
    std::atomic<bool> writing{true};
    std::atomic<int> wrongMode{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&, t] {
            const std::string own = (Dir / ("own" + std::to_string(t))).string();
            while (writing) {
                const TFd fd(::open(own.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
                struct stat st {};
                if (!fd || ::fstat(fd.Get(), &st) != 0 || (st.st_mode & 0777) != 0644) ++wrongMode;
                ::unlink(own.c_str());
            }
        });
    std::vector<std::thread> writers;
    for (int t = 0; t < 2; ++t)
        writers.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i)
                WriteStringToFile(std::string(1000, char('a' + t)), (Dir / "shared").string());
        });
    for (auto& w : writers) w.join();
    writing = false;
    for (auto& t : threads) t.join();
    ::umask(old);
    EXPECT_EQ(wrongMode, 0);
    const std::string last = ReadFileToString((Dir / "shared").string());
    ASSERT_EQ(last.size(), 1000u);
    EXPECT_EQ(last, std::string(1000, last[0]));
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, TempFolderIsPrivateAndEndsInSeparator) {
    const std::string t = TempFolder();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), '/');
    struct stat st {};
    ASSERT_EQ(::stat(t.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(TempFolder(), t);
}

TEST(Files, ProgramFolderAndNames) {
    const std::string f = ProgramFolder();
    EXPECT_TRUE(fs::is_directory(f));
    EXPECT_NE(f.back(), '/');
    EXPECT_EQ(ExtractFileName("/a/b/c.zq"), "c.zq");
    EXPECT_EQ(ExtractFileExt("/a/b.d/c"), "");
    EXPECT_EQ(ExtractFileExt("prog.src"), ".src");
    EXPECT_EQ(ExtractFileExt("a.zq.txt"), ".txt");
    // Known extensions are compared in lower case; the folder's dots and case play no part.
    EXPECT_EQ(LowerFileExt("/A.B/Shot.JPEG"), ".jpeg");
    EXPECT_EQ(LowerFileExt("/A.B/MEM"), "");
}
