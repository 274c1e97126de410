// The checked-in calculator-side program files are exactly what the generator makes.
// LW_WRITE_CALCFILES=1 writes them anew.
#include "sim/calc/SampleMemory.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lw::sim;

TEST(CalcFiles, CheckedInFilesMatchTheGenerator) {
    const std::pair<const char*, std::string> files[] = {
        {"ArchKA.zq", ArchiveProgramFile(TModel::KA)},
        {"ArchKB.zq", ArchiveProgramFile(TModel::KB)},
        {"XSrvrKA.zq", ServerProgramFile()},
    };
    const std::string folder = std::string(LW_SOURCE_DIR) + "/calcfiles/";
    if (std::getenv("LW_WRITE_CALCFILES"))
        for (const auto& [name, bytes] : files) lw::WriteStringToFile(bytes, folder + name);
    for (const auto& [name, bytes] : files) {
        const std::string path = folder + name;
        EXPECT_EQ(lw::ReadFileToString(path), bytes) << name;
        // The build copies them next to the programs.
        EXPECT_EQ(lw::ReadFileToString(std::string(LW_BINARY_DIR) + "/" + name), bytes) << name;
    }
    EXPECT_EQ(ArchiveProgramFile(TModel::KA).substr(0, 8), "ZQZQKA-R");
    EXPECT_EQ(ArchiveProgramFile(TModel::KB).substr(0, 8), "ZQZQKB-C");
}
