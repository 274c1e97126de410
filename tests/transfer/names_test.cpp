// The names files and variables get on the way across, and the backup's size rounding.
#include "server/Commands.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(PutName, RemovesOneKnownExtensionWithoutRegardToCase) {
    EXPECT_EQ(PutNameForFile("/tmp/x/a.zq"), "a");
    EXPECT_EQ(PutNameForFile("/tmp/x/a.ZQ"), "a");
    EXPECT_EQ(PutNameForFile("a.Txt"), "a");
    EXPECT_EQ(PutNameForFile("a.zq.txt"), "a.zq");
    EXPECT_EQ(PutNameForFile("prog.src"), "prog.src");
    EXPECT_EQ(PutNameForFile("KB_5-Dec-2026.ZQBackup"), "KB_5-Dec-2026");
    EXPECT_EQ(PutNameForFile("/dir.zq/NOEXT"), "NOEXT");
}

TEST(PutName, TurnsFileNameFormIntoDisplayForm) {
    // alpha (0x8C) is "^Ga" in a file name, the angle sign (0x80) "^128", a colon "^058".
    EXPECT_EQ(PutNameForFile("/p/^Ga^128.zq"), "\\Ga\\<)");
    EXPECT_EQ(PutNameForFile("A^058B.txt"), "A:B");
    EXPECT_EQ(PutNameForFile("back^092slash.zq"), "back\\\\slash");
}

TEST(PutName, RecognisesBackupArchives) {
    EXPECT_TRUE(IsBackupArchive("/a/b/KB_1-Jan-2027.zqbackup"));
    EXPECT_TRUE(IsBackupArchive("X.ZQBACKUP"));
    EXPECT_FALSE(IsBackupArchive("X.zqbackup.zq"));
    EXPECT_FALSE(IsBackupArchive("zqbackup"));
}

TEST(CopyName, AddsTheModeExtensionToTheFileNameForm) {
    EXPECT_EQ(CopyFileNameFor("X", false, true), "X.zq");
    EXPECT_EQ(CopyFileNameFor("X", false, false), "X");
    EXPECT_EQ(CopyFileNameFor("X", true, false), "X.txt");
    EXPECT_EQ(CopyFileNameFor("X", true, true), "X.txt");
    EXPECT_EQ(CopyFileNameFor("\\Ga\\<)", false, true), "^Ga^128.zq");
    EXPECT_EQ(CopyFileNameFor("A/B", false, true), "A^047B.zq");
    EXPECT_EQ(CopyFileNameFor("\\->X", true, true), "^141X.txt");
}

TEST(CopyName, NeverNamesAFolder) {
    EXPECT_EQ(CopyFileNameFor(".", false, false), "^046");
    EXPECT_EQ(CopyFileNameFor("..", false, false), "^046^046");
    EXPECT_EQ(CopyFileNameFor("..", false, true), "^046^046.zq");
    // And the way back gives the calculator name again.
    EXPECT_EQ(PutNameForFile("/t/^046^046"), "..");
}

TEST(ArchiveName, DayMonthYearOfTheLocalDate) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 5;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    EXPECT_EQ(DefaultArchiveName("KB", std::mktime(&t)), "KB_5-Dec-2026.zqbackup");
    t.tm_mon = 0;
    t.tm_mday = 31;
    EXPECT_EQ(DefaultArchiveName("KA", std::mktime(&t)), "KA_31-Jan-2026.zqbackup");
}

TEST(BackupSize, RoundsUpToWholeBlocks) {
    EXPECT_EQ(BackupExpectedSize(1024), 1024);
    EXPECT_EQ(BackupExpectedSize(1025), 1152);
    EXPECT_EQ(BackupExpectedSize(100), 128);
    EXPECT_EQ(BackupExpectedSize(0), 0);
}

TEST(CalcFiles, ProgramFolderUnlessChosen) {
    SetCalcFilesFolder("/opt/lw/files/");
    EXPECT_EQ(ArchiveProgramFile("KB"), "/opt/lw/files/ArchKB.zq");
    EXPECT_EQ(ServerProgramFile(), "/opt/lw/files/XSrvrKA.zq");
    SetCalcFilesFolder("");
    EXPECT_EQ(CalcFilesFolder().empty(), false);
    EXPECT_NE(ArchiveProgramFile("KA").find("/ArchKA.zq"), std::string::npos);
}

} // namespace
} // namespace lw
