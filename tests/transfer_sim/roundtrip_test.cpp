// Whole-memory round trips: every variable of the sample memory copied to PC files, put into
// an emptied calculator, and copied again. The memory is taken in two halves so that ctest
// can run them side by side.
#include "support/SimSession.h"

#include "link/CalcNames.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw::test {
namespace {

namespace fs = std::filesystem;

struct TCopied {
    std::string DirPath; // "HOME WORK"
    std::string File;
    std::string Bytes;
};

// Half 0: the first dozen variables of HOME. Half 1: the rest, and the directories. -1: all.
constexpr size_t HomeSplit = 12;
bool InHalf(int half, const TXPObject& dir, size_t index) {
    if (half < 0) return true;
    const bool first = !dir.Parent && index < HomeSplit;
    return half == 0 ? first : !first;
}

// The PC folder of a calculator directory: each directory name in its file-name form.
std::string FolderOf(const std::string& root, const TXPObject& dir) {
    if (!dir.Parent) return root;
    return FolderOf(root, *dir.Parent) + "/" + CopyFileNameFor(dir.Name, false, false);
}

void CopyDir(TSimSession& s, const TXPObject& dir, const std::string& root, int half,
             std::vector<TCopied>& out) {
    const std::string folder = FolderOf(root, dir);
    fs::create_directories(folder);
    bool changed = false;
    for (size_t i = 0; i < dir.Children.size(); ++i) {
        const TXPObject& child = *dir.Children[i];
        if (child.IsDirectory() || !InHalf(half, dir, i)) continue;
        if (!changed) s.Server->ChangeDir(dir.GetPath()), changed = true;
        const std::string file =
            CopyEntryToFolder(*s.Server, child.Name, child.TypeIndex, child.SizeBytes, folder);
        ASSERT_FALSE(file.empty()) << child.GetPath();
        out.push_back({dir.GetPath(), file, ReadFileToString(file)});
    }
    for (const auto& child : dir.Children)
        if (child->IsDirectory()) CopyDir(s, *child, root, half, out);
}

std::vector<TCopied> CopyAll(TSimSession& s, const std::string& root, int half) {
    std::vector<TCopied> out;
    CopyDir(s, s.Server->Root(), root, half, out);
    return out;
}

// The calculator puts a new entry first, so entries are made in reverse order: the
// directories (parents before children), then the variables.
void MakeDirs(TSimSession& s, const std::string& listing) {
    std::vector<std::string> dirs;
    for (const auto& line : Lines(listing))
        if (line.find("\tDirectory") != std::string::npos)
            dirs.push_back(line.substr(0, line.find('\t')));
    for (size_t depth = 2; depth < 8; ++depth) {
        for (auto it = dirs.rbegin(); it != dirs.rend(); ++it) {
            if (static_cast<size_t>(std::count(it->begin(), it->end(), ' ')) + 1 != depth) continue;
            const auto blank = it->rfind(' ');
            s.Server->ChangeDir(it->substr(0, blank));
            s.Server->CreateDir(it->substr(blank + 1));
        }
    }
}

void PutAll(TSimSession& s, const std::vector<TCopied>& files) {
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        s.Server->ChangeDir(it->DirPath);
        bool all = false;
        ASSERT_EQ(PutFileToCalc(*s.Server, it->File, all, 1, false), TPutOutcome::Sent) << it->File;
    }
}

// The listing lines of the copied variables, and for half 1 of every directory.
std::string ExpectedListing(const std::string& listing, const std::vector<TCopied>& copied,
                            int half) {
    std::string out;
    for (const auto& line : Lines(listing)) {
        const std::string path = line.substr(0, line.find('\t'));
        bool keep = half == 1 && line.find("\tDirectory") != std::string::npos;
        for (const auto& c : copied)
            keep = keep || (path.rfind(c.DirPath + " ", 0) == 0 &&
                            path.find(' ', c.DirPath.size() + 1) == std::string::npos &&
                            CopyFileNameFor(path.substr(c.DirPath.size() + 1), false, false) ==
                                fs::path(c.File).stem().string());
        if (keep) out += line + "\n";
    }
    return out;
}

struct TCase {
    bool Text;
    int Half;
};

class RoundTrip : public ::testing::TestWithParam<TCase> {};

TEST_P(RoundTrip, SampleMemoryComesBackTheSame) {
    const bool text = GetParam().Text;
    const int half = GetParam().Half;
    const TTempDir firstDir, secondDir;
    const std::string first = firstDir.Path, second = secondDir.Path;
    std::vector<TCopied> before;
    std::string listing;
    {
        TSimSession s;
        s.State.TextMode = text;
        s.Connect();
        s.UseQuickTiming();
        listing = s.ListingText();
        before = CopyAll(s, first, half);
    }
    ASSERT_GE(before.size(), 12u);
    // Names with calculator characters are stored under their file-name form.
    const std::string ext = text ? ".txt" : ".zq";
    const std::vector<const char*> expected =
        half == 0 ? std::vector<const char*>{"X", "QUOT", "^Ga", "^128ANG", "A^141B"}
                  : std::vector<const char*>{"BIG", "PIC", "WORK/PROJ/OLD/NOTE"};
    for (const char* name : expected) EXPECT_TRUE(fs::exists(first + "/" + name + ext)) << name;
    for (const auto& f : before)
        EXPECT_TRUE(f.File.find("/BIG") == std::string::npos || f.Bytes.size() > 65536u) << f.File;

    TSimSession empty({.Empty = true});
    empty.State.TextMode = text;
    empty.Connect();
    empty.UseQuickTiming();
    if (half == 1) MakeDirs(empty, listing);
    PutAll(empty, before);
    empty.Server->GetFileList();
    EXPECT_EQ(empty.ListingText(), ExpectedListing(listing, before, half));
    const std::vector<TCopied> after = CopyAll(empty, second, -1);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(fs::relative(after[i].File, second), fs::relative(before[i].File, first));
        EXPECT_EQ(after[i].Bytes.size(), before[i].Bytes.size()) << before[i].File;
        EXPECT_TRUE(after[i].Bytes == before[i].Bytes) << before[i].File;
    }
    EXPECT_TRUE(ErrorReports(empty.Ui).empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, RoundTrip,
                         ::testing::Values(TCase{false, 0}, TCase{false, 1}, TCase{true, 0},
                                           TCase{true, 1}),
                         [](const auto& info) {
                             return std::string(info.param.Text ? "Text" : "Binary") +
                                    std::to_string(info.param.Half);
                         });

} // namespace
} // namespace lw::test
