// What a file is before a restore or a ROM download sends it: the refusals name it.
#include "objects/FileKinds.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

struct TCase {
    const char* Name;
    std::string Data;
    const char* Refusal;
};

std::string Refusal(const std::string& name, const std::string& data) {
    return BackupArchiveRefusal(name, std::string_view(data).substr(0, FileKindHeadSize),
                                data.size(), "KB");
}

TEST(FileKinds, OnlyAWholeBackupArchiveOfTheConnectedModelIsRestored) {
    const std::string archive = ObjectFile(BackupObj(DirObj({{"X", RealObj()}})));
    EXPECT_EQ(Refusal("all.zqbackup", archive), "");
    EXPECT_EQ(BackupArchiveRefusal("a", archive, archive.size(), ""), "") << "model unknown";
    // A head shorter than the archive is enough: the size tells whether it is whole.
    const std::string big =
        ObjectFile(BackupObj(DirObj({{"S", StringObj(std::string(900, 's'))}})));
    EXPECT_EQ(Refusal("big.zqbackup", big), "");

    const TCase cases[] = {
        {"notes.txt", "Milk\r\nBread\t2\n", "notes.txt is a text file, not a backup archive"},
        {"e.zqbackup", "", "e.zqbackup is an empty file, not a backup archive"},
        {"s.txt", "%%ZQ: T(3)A(D)F(.);\n\"hi\"\n",
         "s.txt is a calculator text file, not a backup archive"},
        {"s.zq", ObjectFile(StringObj("hi")),
         "s.zq is a calculator object file holding a String, not a backup archive"},
        {"p.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10), "p.jpg is not a backup archive"},
        {"ka.zqbackup", ObjectFile(BackupObj(DirObj({})), "KA"),
         "ka.zqbackup is a backup archive of a KA calculator, not of the connected KB"},
        {"cut.zqbackup", archive.substr(0, archive.size() - 3),
         "cut.zqbackup is a backup archive cut short"},
        {"head.zq", "ZQZQKB-C", "head.zq is a calculator object file, not a backup archive"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Refusal(c.Name, c.Data).rfind(c.Refusal, 0), 0u) << c.Name;
}

TEST(FileKinds, AnOperatingSystemImageIsNoCalculatorFileAndFitsTheFlash) {
    std::string image(5000, '\0');
    for (size_t i = 0; i < image.size(); ++i) image[i] = char(i * 7);
    EXPECT_EQ(RomImageRefusal("os.bin", image.substr(0, FileKindHeadSize), image.size()), "");
    EXPECT_EQ(RomImageRefusal("os.bin", image, MaxRomImageSize), "");

    const TCase cases[] = {
        {"e.bin", "", "e.bin is an empty file, not an operating-system image"},
        {"x.zq", ObjectFile(RealObj()),
         "x.zq is a calculator object file, not an operating-system image"},
        {"t.txt", "%ZQZQ: T(1)\n1\n",
         "t.txt is a calculator text file, not an operating-system image"},
        {"n.txt", "%%ZQ: T(3)A(D)F(.);\n1\n",
         "n.txt is a calculator text file, not an operating-system image"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RomImageRefusal(c.Name, c.Data, c.Data.size()), c.Refusal);
    EXPECT_EQ(RomImageRefusal("disk.img", image, MaxRomImageSize + 1),
              "disk.img is too large for an operating-system image: 4194305 bytes, more than the "
              "4194304 the calculator's flash holds");
}

} // namespace
} // namespace lw::test
