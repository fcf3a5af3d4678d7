#include "model/app_texts.h"

#include <gtest/gtest.h>

namespace bexlan {
namespace {

constexpr Language kLanguages[] = {Language::Turkish, Language::TraditionalChinese,
                                   Language::English};

TEST(AppTexts, EveryTextExistsInEveryLanguageWithItsArgument)
{
    for (const Language language : kLanguages) {
        const std::string_view text = AppText(AppTextId::ButtonDoesNotFit, language);
        EXPECT_NE(text.find("%1"), std::string_view::npos) << static_cast<int>(language);
    }
}

TEST(AppTexts, FormatFillsTheArgumentAndLeavesOtherPercentSigns)
{
    const std::string text = FormatAppText(AppTextId::ButtonDoesNotFit, Language::English, "7");
    EXPECT_EQ(text.find("%1"), std::string::npos);
    EXPECT_TRUE(text.starts_with("Button 7 does not fit")) << text;
}

TEST(AppTexts, OutOfRangeValuesGiveNoText)
{
    EXPECT_EQ(AppText(static_cast<AppTextId>(999), Language::English), "");
    EXPECT_EQ(AppText(AppTextId::ButtonDoesNotFit, static_cast<Language>(3)), "");
}

TEST(UserMessage, TableAndOwnTextsResolveInTheRequestedLanguage)
{
    const UserMessage failed = TableMessage(MessageSetDataFailed, MessageFail, MessageIcon::Error);
    EXPECT_EQ(MessageText(failed, Language::English), "Failed to set datafor!");
    EXPECT_EQ(MessageCaption(failed, Language::English), "Fail");
    EXPECT_EQ(MessageCaption(failed, Language::Turkish), "başarısız");

    const UserMessage own =
        OwnMessage(AppTextId::ButtonDoesNotFit, "4", MessageFail, MessageIcon::Error);
    EXPECT_EQ(MessageText(own, Language::TraditionalChinese),
              FormatAppText(AppTextId::ButtonDoesNotFit, Language::TraditionalChinese, "4"));
    EXPECT_EQ(MessageCaption(own, Language::TraditionalChinese), "失敗");
}

} // namespace
} // namespace bexlan
