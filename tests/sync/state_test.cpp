// The sync state file: what goes in comes back, and a damaged or foreign file is no state.
#include "support/TempDir.h"

#include "sync/SyncPlan.h"
#include "sync/SyncState.h"
#include "util/Files.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

TEST(SyncState, RoundTripsEveryByteOfANameAndRefusesWhatIsNoStateFile) {
    TSyncState state;
    state.CalcDir = "HOME GAMES";
    state.Mode = "binary";
    state.Entries["A\\->B"] = {"0123456789abcdef", "fedcba9876543210", 18};
    state.Entries[std::string("\x8d\"\x01 Q", 5)] = {"1", "2", -1};
    TSyncState back;
    ASSERT_TRUE(SyncStateFromJson(SyncStateToJson(state), back));
    EXPECT_EQ(back.CalcDir, state.CalcDir);
    ASSERT_EQ(back.Entries.size(), 2u);
    EXPECT_EQ(back.Entries.at("A\\->B").CalcSize, 18);
    EXPECT_EQ(back.Entries.at(std::string("\x8d\"\x01 Q", 5)).CalcHash, "2");

    const std::string good = SyncStateToJson(state);
    for (const std::string& bad :
         {std::string(), std::string("{}"), good.substr(0, good.size() / 2), good + "x",
          std::string("{\"version\": 2, \"entries\": {}}")}) {
        TSyncState read;
        EXPECT_FALSE(SyncStateFromJson(bad, read)) << bad;
        EXPECT_TRUE(read.Entries.empty());
    }
}

TEST(SyncState, ALoadedStateBelongsToOneDirectoryAndMode) {
    TTempDir dir;
    TSyncState state;
    state.CalcDir = "HOME";
    state.Mode = "binary";
    state.Entries["X"] = {"1", "1", 5};
    SaveSyncState(dir.Path, state);
    EXPECT_EQ(LoadSyncState(dir.Path, "HOME", "binary").Entries.size(), 1u);
    EXPECT_TRUE(LoadSyncState(dir.Path, "HOME GAMES", "binary").Entries.empty());
    EXPECT_TRUE(LoadSyncState(dir.Path, "HOME", "text").Entries.empty());
    WriteTestFile(dir.File(SyncStateFileName), "{\"version\": 1, \"entr");
    const TSyncState damaged = LoadSyncState(dir.Path, "HOME", "binary");
    EXPECT_TRUE(damaged.Unreadable);
    EXPECT_TRUE(damaged.Entries.empty());
    EXPECT_FALSE(LoadSyncState(dir.Path + "/none", "HOME", "binary").Unreadable);
}

TEST(SyncState, ConflictCopiesNeverReplaceAFile) {
    TTempDir dir;
    const std::time_t day = 1796601600; // 2026-12-07 in UTC; the copy names the local date
    const std::string first = ConflictCopyPath(dir.File("X.zq"), day);
    EXPECT_EQ(first.rfind(dir.File("X.conflict-"), 0), 0u);
    EXPECT_EQ(first.substr(first.size() - 3), ".zq");
    WriteTestFile(first, "kept");
    const std::string second = ConflictCopyPath(dir.File("X.zq"), day);
    EXPECT_EQ(second, first.substr(0, first.size() - 3) + "-2.zq");
    const std::string noExt = ConflictCopyPath(dir.File("Y"), day);
    EXPECT_EQ(noExt.find('.', noExt.find(".conflict-") + 1), std::string::npos);
}
