// Whole-memory round trips: every variable of the sample memory copied to PC files, put into
// an emptied calculator, and copied again.
#include "SimSession.h"

#include "link/CalcNames.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace lw::test {
namespace {

namespace fs = std::filesystem;

struct TCopied {
    std::string DirPath; // "HOME WORK"
    std::string File;
    std::string Bytes;
};

// The PC folder of a calculator directory path: each directory name in its file-name form.
std::string FolderOf(const std::string& root, const TXPObject& dir) {
    if (!dir.Parent) return root;
    return FolderOf(root, *dir.Parent) + "/" + CopyFileNameFor(dir.Name, false, false);
}

void CopyDir(TSimSession& s, const TXPObject& dir, const std::string& root,
             std::vector<TCopied>& out) {
    const std::string folder = FolderOf(root, dir);
    fs::create_directories(folder);
    s.Server->ChangeDir(dir.GetPath());
    for (const auto& child : dir.Children) {
        if (child->IsDirectory()) continue;
        const std::string file = CopyEntryToFolder(*s.Server, child->Name, child->TypeIndex,
                                                   child->SizeBytes, folder);
        ASSERT_FALSE(file.empty()) << child->GetPath();
        out.push_back({dir.GetPath(), file, ReadFileToString(file)});
    }
    for (const auto& child : dir.Children)
        if (child->IsDirectory()) CopyDir(s, *child, root, out);
}

std::vector<TCopied> CopyAll(TSimSession& s, const std::string& root) {
    std::vector<TCopied> out;
    CopyDir(s, s.Server->Root(), root, out);
    return out;
}

// Makes the directories of `listing` (one "path\tsize\ttype" line each) on the calculator.
void MakeDirs(TSimSession& s, const std::string& listing) {
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (line.find("\tDirectory") == std::string::npos) continue;
        const std::string path = line.substr(0, line.find('\t'));
        const auto blank = path.rfind(' ');
        s.Server->ChangeDir(path.substr(0, blank));
        s.Server->CreateDir(path.substr(blank + 1));
    }
}

void PutAll(TSimSession& s, const std::vector<TCopied>& files) {
    for (const auto& f : files) {
        s.Server->ChangeDir(f.DirPath);
        bool all = false;
        ASSERT_TRUE(PutFileToCalc(*s.Server, f.File, all, 1, false)) << f.File;
    }
}

class RoundTrip : public ::testing::TestWithParam<bool> {};

TEST_P(RoundTrip, WholeSampleMemoryComesBackTheSame) {
    const bool text = GetParam();
    const std::string first = MakeTempFolder("first");
    const std::string second = MakeTempFolder("second");
    std::vector<TCopied> before;
    std::string listing;
    {
        TSimSession s;
        s.State.TextMode = text;
        s.Connect();
        listing = s.ListingText();
        before = CopyAll(s, first);
    }
    ASSERT_GE(before.size(), 25u);
    // Names with calculator characters are stored under their file-name form.
    const std::string ext = text ? ".txt" : ".zq";
    for (const char* name : {"^Ga", "^128ANG", "A^141B", "BIG", "QUOT"})
        EXPECT_TRUE(fs::exists(first + "/" + name + ext)) << name;
    EXPECT_TRUE(fs::exists(first + "/WORK/PROJ/OLD/NOTE" + ext));
    for (const auto& f : before) {
        if (f.File.find("/BIG") != std::string::npos) EXPECT_GT(f.Bytes.size(), 65536u);
    }

    TSimSession empty({.Empty = true});
    empty.State.TextMode = text;
    empty.Connect();
    MakeDirs(empty, listing);
    PutAll(empty, before);
    empty.Server->GetFileList();
    EXPECT_EQ(empty.ListingText(), listing);
    const std::vector<TCopied> after = CopyAll(empty, second);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(fs::relative(after[i].File, second), fs::relative(before[i].File, first));
        EXPECT_EQ(after[i].Bytes, before[i].Bytes) << before[i].File;
    }
    EXPECT_TRUE(ErrorReports(empty.Ui).empty());
    RemoveFolder(first);
    RemoveFolder(second);
}

INSTANTIATE_TEST_SUITE_P(Modes, RoundTrip, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Text" : "Binary"; });

} // namespace
} // namespace lw::test
