#include "link/XModemCodec.h"

#include <gtest/gtest.h>

#include <random>

using namespace lw;

namespace {
std::string Bytes(std::initializer_list<int> v) {
    std::string s;
    for (int b : v) s += static_cast<char>(b);
    return s;
}
} // namespace

TEST(Crc, CheckValuesAndWireOrder) {
    EXPECT_EQ(TableCrc(0, "123456789"), 0xBB3D);
    EXPECT_EQ(NibbleCrc("123456789"), 0x2189);
    EXPECT_EQ(TableCrc(0, ""), 0);
    EXPECT_EQ(NibbleCrc(""), 0);
    EXPECT_EQ(CheckField(TCheckMethod::CrcArc, "123456789"), Bytes({0x3D, 0xBB}));
    EXPECT_EQ(CheckField(TCheckMethod::CrcKermit, "123456789"), Bytes({0x21, 0x89}));
    EXPECT_EQ(CheckField(TCheckMethod::Checksum, "123456789"), Bytes({0xDD})); // sum mod 256
}

// The nibble-wise CRC must equal the plain bitwise definition on arbitrary data.
TEST(Crc, NibbleCrcMatchesBitwiseKermit) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string data(rng() % 300, '\0');
        for (auto& c : data) c = static_cast<char>(rng());
        uint16_t crc = 0, arc = 0;
        for (unsigned char b : data) {
            crc ^= b;
            arc ^= b;
            for (int i = 0; i < 8; ++i) {
                crc = (crc & 1) ? (crc >> 1) ^ 0x8408 : crc >> 1;
                arc = (arc & 1) ? (arc >> 1) ^ 0xA001 : arc >> 1;
            }
        }
        ASSERT_EQ(NibbleCrc(data), crc);
        ASSERT_EQ(TableCrc(0, data), arc);
    }
}

TEST(Block, NumbersWrapAndHeaderFollowsSize) {
    const std::string small(128, 'x'), large(1024, 'y');
    std::string b = BuildBlock(255, small, TCheckMethod::Checksum);
    ASSERT_EQ(b.size(), 132u);
    EXPECT_EQ(b.substr(0, 3), Bytes({SOH, 0xFF, 0x00}));
    b = BuildBlock(256, small, TCheckMethod::CrcArc);
    ASSERT_EQ(b.size(), 133u);
    EXPECT_EQ(b.substr(0, 3), Bytes({SOH, 0x00, 0xFF}));
    b = BuildBlock(257, large, TCheckMethod::CrcKermit);
    ASSERT_EQ(b.size(), 1029u);
    EXPECT_EQ(b.substr(0, 3), Bytes({STX, 0x01, 0xFE}));
    EXPECT_EQ(b.substr(1027), CheckField(TCheckMethod::CrcKermit, large));
}

TEST(Block, CheckAcceptsOnlyCompleteMatchingBlocks) {
    const std::string data(128, '\x5A');
    for (auto method : {TCheckMethod::Checksum, TCheckMethod::CrcArc, TCheckMethod::CrcKermit}) {
        const std::string rest = BuildBlock(300, data, method).substr(1);
        EXPECT_TRUE(CheckBlock(rest, 300, 128, method));
        EXPECT_TRUE(CheckBlock(rest, 44, 128, method)); // 300 mod 256
        EXPECT_FALSE(CheckBlock(rest, 301, 128, method));
        EXPECT_FALSE(CheckBlock(rest.substr(0, rest.size() - 1), 300, 128, method));
        std::string bad = rest;
        bad[10] ^= 1;
        EXPECT_FALSE(CheckBlock(bad, 300, 128, method));
        bad = rest;
        bad[1] ^= 1; // complement does not match
        EXPECT_FALSE(CheckBlock(bad, 300, 128, method));
    }
}
