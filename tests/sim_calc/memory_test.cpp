// The calculator's memory as the PC sees it: listing bytes, object sizes and structure,
// get and put of object files, load and save of folders.
#include "SimCalcTestUtil.h"
#include "link/CalcNames.h"
#include "sim/calc/SampleMemory.h"
#include "sim/calc/SimCalculator.h"
#include "support/TempDir.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace lw::sim;
using simtest::Entries;
using simtest::Field;
using simtest::Hex;
using simtest::ObjectNibbles;

namespace {

void GoTo(ISimCalculator& c, const std::vector<std::string>& path) {
    std::string script = "HOME";
    for (const auto& d : path) script += " " + d;
    c.RunScript(script);
    ASSERT_EQ(c.CurrentPath().size(), path.size() + 1);
}

std::string Padded(std::string file) {
    while (file.size() % 128) file += '\x1A';
    return file;
}

} // namespace

TEST(Memory, ListingOfASmallTreeByHand) {
    auto c = CreateEmptyCalculator(TModel::KB);
    EXPECT_EQ(c->Listing(), std::string(1, '\0'));
    c->RunScript("1. 'A' STO 'D' CRDIR");
    // The newest entry comes first; an empty directory is 13 nibbles.
    EXPECT_EQ(Hex(c->Listing()), "0144962A0D000000000001413329150000000000");
    c->RunScript("HOME D \"AB\" 'S' STO HOME");
    // D holds S, then D's closing 0, then A.
    EXPECT_EQ(Hex(c->Listing()), "0144962A210000000001532C2A0E0000000000014133291500000000"
                                 "00");
}

TEST(Memory, DirectoryObjectByHand) {
    auto c = CreateEmptyCalculator(TModel::KB);
    c->RunScript("'D' CRDIR HOME D 1. 'A' STO HOME");
    std::string f;
    ASSERT_TRUE(c->GetVariable("D", f));
    // Nibbles 02A96, 000, F = 5 (the last entry at p+13), N name N, the real: 40 nibbles.
    EXPECT_EQ(Hex(f.substr(8, 10)), "962A0000050010101430");
    EXPECT_EQ(ObjectNibbles(f), 40u);
    c->RunScript("HOME D 2. 'B' STO HOME");
    ASSERT_TRUE(c->GetVariable("D", f));
    // B first; then the back link (27 = 40 - 13) and A, the last entry at p+45: F = 37.
    EXPECT_EQ(Field(f, 16 + 8, 5), 37u);
    EXPECT_EQ(Field(f, 16 + 40, 5), 27u);
    EXPECT_EQ(Field(f, 16 + 45, 2), 1u);
    EXPECT_EQ(Field(f, 16 + 47, 2), 0x41u);
    EXPECT_EQ(ObjectNibbles(f), 45u + 6 + 21);
}

// Every variable of the sample memory: the listing's size is the object's own size, the
// object file holds exactly that many nibbles, and an independent walk agrees.
// (server_sim's WholeSampleMemory finds every type, the calculator characters in names and the
// nested and empty directories; transfer_sim's round trips carry the objects over 64 KiB.)
TEST(Memory, SampleObjectsAreConsistent) {
    auto c = CreateSampleCalculator(TModel::KB);
    EXPECT_LT(c->Listing().size(), 4000u);
    for (const auto& e : Entries(c->Listing())) {
        GoTo(*c, e.Path);
        std::string f;
        ASSERT_TRUE(c->GetVariable(e.Name, f)) << e.Name;
        EXPECT_EQ(f.substr(0, 8), "ZQZQKB-C");
        EXPECT_EQ(Field(f, 16, 5) & 0xFFFF, e.Prolog) << e.Name;
        EXPECT_EQ(ObjectNibbles(f), e.Nibbles) << e.Name;
        EXPECT_EQ(f.size(), 8 + (e.Nibbles + 1) / 2) << e.Name;
        if (e.Nibbles % 2) {
            EXPECT_EQ(uint8_t(f.back()) >> 4, 0) << e.Name;
        }
    }
}

TEST(Memory, BackupObjectWalksToItsEnd) {
    auto c = CreateSampleCalculator(TModel::KA);
    ASSERT_TRUE(c->PutVariable("$$$r", ArchiveProgramFile(TModel::KA)));
    const auto out = c->RunScript("'$$$r' RCL EVAL");
    ASSERT_EQ(out.Action, TScriptOutcome::SendObject);
    const std::string& b = out.Payload;
    EXPECT_EQ(b.substr(0, 8), "ZQZQKA-R");
    EXPECT_EQ(Field(b, 16, 5), 0x02B62u);
    const size_t n = ObjectNibbles(b);
    EXPECT_EQ(b.size(), 8 + (n + 1) / 2);
    // The backup's directory is HOME, ending where the backup ends.
    EXPECT_EQ(simtest::WalkObject(b, 26), 16 + n);
    EXPECT_EQ(Field(b, 21, 5), n - 5);
}

// Padded puts of every variable come back whole in transfer_sim's binary round trips.
TEST(Memory, PutRefusesBadFiles) {
    auto c = CreateSampleCalculator(TModel::KB);
    std::string f;
    ASSERT_TRUE(c->GetVariable("LST", f));
    const std::string before = c->Listing();
    EXPECT_FALSE(c->PutVariable("BAD", f.substr(0, f.size() - 3))); // no closing marker
    EXPECT_FALSE(c->PutVariable("BAD", "ZQZQKB-"));
    EXPECT_FALSE(c->PutVariable("BAD", "XXXX" + f.substr(4)));
    EXPECT_FALSE(c->PutVariable("", f));
    // A string whose length field points past the data.
    EXPECT_FALSE(c->PutVariable("BAD", std::string("ZQZQKB-C\x2C\x2A\xF0\xFF\xFF\x41", 14)));
    // A directory whose last-entry offset is wrong.
    ASSERT_TRUE(c->GetVariable("WORK", f));
    std::string broken = f;
    broken[12] = char(broken[12] ^ 0x10);
    EXPECT_FALSE(c->PutVariable("BAD", broken));
    EXPECT_EQ(c->Listing(), before);
    // A put never replaces a directory; a directory object makes a directory.
    EXPECT_FALSE(c->PutVariable("WORK", Padded(f)));
    EXPECT_FALSE(c->PutVariable("EMPTY", Padded(f)));
    ASSERT_TRUE(c->PutVariable("W2", Padded(f)));
    c->RunScript("HOME W2 PROJ OLD");
    EXPECT_EQ(c->CurrentPath().size(), 4u);
}

// (The comma of flag -51 reaches the PC in server_sim FreeMemoryWithBothFractionMarks.)
TEST(Memory, FreeMemoryTextCountsHalfBytes) {
    auto c = CreateEmptyCalculator(TModel::KB);
    // HOME takes 13 nibbles: 6.5 bytes.
    EXPECT_EQ(c->FreeMemoryText(), std::to_string(512 * 1024 - 7) + ".5");
    c->RunScript("1. 'A' STO");
    EXPECT_EQ(c->FreeMemoryText(), std::to_string(512 * 1024 - 20) + ".0");
}

TEST(Memory, SaveAndLoadFolders) {
    namespace fs = std::filesystem;
    const lw::test::TTempDir tmp;
    const fs::path root = tmp.Path;
    auto a = CreateSampleCalculator(TModel::KB);
    a->SaveToFolder((root / "a").string());
    EXPECT_TRUE(fs::is_directory(root / "a" / "WORK" / "PROJ" / "OLD"));
    const std::string arrowName = lw::NameToFile(std::string("A\x8D") + "B", true) + ".zq";
    EXPECT_TRUE(fs::is_regular_file(root / "a" / arrowName));
    auto b = CreateEmptyCalculator(TModel::KB);
    b->LoadFromFolder((root / "a").string());
    b->SaveToFolder((root / "b").string());
    // Both folders hold the same folders and files, byte for byte: one per entry.
    const auto tree = [](const fs::path& top) {
        std::map<std::string, std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(top))
            out[fs::relative(e.path(), top).string()] =
                e.is_directory() ? "<folder>" : lw::ReadFileToString(e.path().string());
        return out;
    };
    const auto first = tree(root / "a");
    EXPECT_TRUE(tree(root / "b") == first);
    EXPECT_EQ(first.size(), Entries(a->Listing()).size());
    EXPECT_EQ(a->Listing().size(), b->Listing().size());
    // Saving again leaves no file of a variable that is gone; other files stay.
    std::ofstream(root / "b" / "WORK" / "readme.txt") << "mine";
    b->RunScript("'X' PURGE 'WORK' PGDIR");
    b->SaveToFolder((root / "b").string());
    EXPECT_FALSE(fs::exists(root / "b" / "X.zq"));
    EXPECT_FALSE(fs::exists(root / "b" / "WORK" / "PROJ"));
    EXPECT_TRUE(fs::exists(root / "b" / "WORK" / "readme.txt"));
    auto again = CreateEmptyCalculator(TModel::KB);
    again->LoadFromFolder((root / "b").string());
    std::string f;
    EXPECT_FALSE(again->GetVariable("X", f));
    EXPECT_TRUE(again->GetVariable("SQR", f));
    b->LoadFromFolder((root / "a").string());
    // A file that is no object file is refused with a message and leaves memory alone.
    std::ofstream(root / "a" / "JUNK.zq") << "not an object";
    const std::string before = b->Listing();
    EXPECT_THROW(b->LoadFromFolder((root / "a").string()), std::runtime_error);
    EXPECT_EQ(b->Listing(), before);
    EXPECT_THROW(b->LoadFromFolder((root / "none").string()), std::runtime_error);
    // Names that would address another folder are escaped.
    auto d = CreateEmptyCalculator(TModel::KB);
    std::string real;
    ASSERT_TRUE(a->GetVariable("X", real));
    ASSERT_TRUE(d->PutVariable(".", real));
    ASSERT_TRUE(d->PutVariable("..", real));
    ASSERT_TRUE(d->PutVariable("a/b", real));
    d->SaveToFolder((root / "d").string());
    size_t saved = 0;
    for (const auto& e : fs::directory_iterator(root / "d")) {
        EXPECT_TRUE(e.is_regular_file()) << e.path();
        ++saved;
    }
    EXPECT_EQ(saved, 3u);
    auto e = CreateEmptyCalculator(TModel::KB);
    e->LoadFromFolder((root / "d").string());
    for (const char* name : {".", "..", "a/b"}) {
        std::string f;
        EXPECT_TRUE(e->GetVariable(name, f)) << name;
    }
}
