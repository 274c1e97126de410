// The prompt texts by wording.
#include "link/PromptTexts.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(PromptTexts, WordingFollowsTheEntryMode) {
    // Only some kinds differ between RPN and ALG; the series fills the placeholder.
    for (int k = 1; k <= 10; ++k) {
        const auto kind = static_cast<TPromptKind>(k);
        EXPECT_EQ(PromptText(kind, true) != PromptText(kind, false), HasAlgWording(kind)) << k;
        EXPECT_EQ(PromptText(kind, true).find("%s"), std::string::npos) << k;
    }
    EXPECT_NE(
        PromptText(TPromptKind::Connect, false).find("On the ZQKAGII ZQKBg and ZQKCg series:\r\n"),
        std::string::npos);
    EXPECT_NE(PromptText(TPromptKind::Connect, false).find("then ENTER"), std::string::npos);
    EXPECT_EQ(PromptText(TPromptKind::Connect, true).find("then ENTER"), std::string::npos);
    EXPECT_EQ(PromptText(TPromptKind::Custom, true), "");
    EXPECT_EQ(PromptTitle(TPromptKind::Reconnect), "Wait for the Calculator");
    EXPECT_EQ(PromptTitle(TPromptKind::FileXRecv), "Set the Calculator");
}

} // namespace
} // namespace lw
