// The stack picture: the list object the stack script stores, decoded into display lines.
#include "server/StackPicture.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

// An object file holding a list of string objects.
std::string StackFile(const std::vector<std::string>& items) {
    std::vector<std::string> strings;
    for (const auto& item : items) strings.push_back(test::StringObj(item));
    return test::ObjectFile(test::ListObj(strings));
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
