// The prompt texts by wording.
#include "link/PromptTexts.h"

#include <gtest/gtest.h>

#include <set>

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

namespace lw {
namespace {

TEST(PromptTexts, EveryShownTextIsFoundByItsKey) {
    // The desktop program translates a text the core hands over ready-made by finding its key:
    // each prompt text, filled in or not, each title and button, and nothing else.
    std::set<std::string> keys;
    for (int k = 1; k <= 10; ++k) {
        for (const bool rpn : {true, false}) {
            const auto kind = static_cast<TPromptKind>(k);
            const TUiText tmpl = PromptTextTemplate(kind, rpn);
            const auto filled = FindPromptText(PromptText(kind, rpn));
            ASSERT_TRUE(filled) << k;
            EXPECT_STREQ(filled->Key, tmpl.Key) << k;
            ASSERT_TRUE(FindPromptText(tmpl.Text)) << k;
            keys.insert(tmpl.Key);
        }
        const auto title = FindPromptText(PromptTitle(static_cast<TPromptKind>(k)));
        ASSERT_TRUE(title);
        keys.insert(title->Key);
    }
    EXPECT_STREQ(FindPromptText("Connect...")->Key, PromptOkText(TPromptKind::Reconnect).Key);
    EXPECT_EQ(keys.size(), 15u); // 13 texts, 2 titles: no two share a key
    EXPECT_FALSE(FindPromptText("Another Capture"));
    EXPECT_FALSE(FindPromptText(""));
}

} // namespace
} // namespace lw
