// The stack picture: the list object the stack script stores, decoded into display lines.
#include "server/StackPicture.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

// One string object of the list: prologue 02A2C, 5-nibble length (5 + 2 per character), the
// characters; as nibbles.
void AddString(std::vector<uint8_t>& nibbles, const std::string& chars) {
    for (uint8_t n : {0xC, 0x2, 0xA, 0x2, 0x0}) nibbles.push_back(n);
    const uint32_t size = 5 + 2 * uint32_t(chars.size());
    for (int k = 0; k < 5; ++k) nibbles.push_back(uint8_t(size >> (4 * k) & 0xF));
    for (unsigned char c : chars) {
        nibbles.push_back(c & 0xF);
        nibbles.push_back(c >> 4);
    }
}

// An object file: "ZQZQKB-R", the list prologue 02A74, the items, the list end.
std::string StackFile(const std::vector<std::string>& items) {
    std::vector<uint8_t> nibbles;
    for (unsigned char c : std::string("ZQZQKB-R")) {
        nibbles.push_back(c & 0xF);
        nibbles.push_back(c >> 4);
    }
    for (uint8_t n : {0x4, 0x7, 0xA, 0x2, 0x0}) nibbles.push_back(n);
    for (const auto& item : items) AddString(nibbles, item);
    for (uint8_t n : {0xB, 0x2, 0x1, 0x3, 0x0}) nibbles.push_back(n); // end of list
    if (nibbles.size() % 2) nibbles.push_back(0);
    std::string out;
    for (size_t i = 0; i < nibbles.size(); i += 2) out += char(nibbles[i] | nibbles[i + 1] << 4);
    return out;
}

const std::string Marker("\x01\x03\x02", 3);

TEST(StackPicture, LevelsDeepestFirstStringsQuoted) {
    const auto lines = DecodeStackPicture(StackFile({"42.", Marker + "ABC", "'X+1'"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"3: 42.", "2: \"ABC\"", "1: 'X+1'"}));
}

TEST(StackPicture, OnlyTheLastSevenLevels) {
    std::vector<std::string> items;
    for (int i = 10; i >= 1; --i) items.push_back(std::to_string(i) + ".");
    const auto lines = DecodeStackPicture(StackFile(items));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.front(), "7: 7.");
    EXPECT_EQ(lines.back(), "1: 1.");
}

TEST(StackPicture, CalculatorCharactersAndEmptyOrBrokenData) {
    // A string holding a quote and the arrow: escaped as the command window shows it.
    const auto lines = DecodeStackPicture(StackFile({Marker + "A\"\x8D"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"1: \"A\\\"\\->\""}));
    EXPECT_TRUE(DecodeStackPicture(StackFile({})).empty());
    EXPECT_TRUE(DecodeStackPicture("").empty());
    EXPECT_TRUE(DecodeStackPicture("ZQZQKB-R").empty());
    // An item whose length reaches past the data ends the walk without reading beyond it.
    std::string cut = StackFile({"1.", std::string(40, 'x')});
    cut.resize(cut.size() - 30);
    EXPECT_EQ(DecodeStackPicture(cut), (std::vector<std::string>{"1: 1."}));
}

} // namespace
} // namespace lw
