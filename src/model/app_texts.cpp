#include "model/app_texts.h"

#include <array>
#include <iterator>
#include <utility>

namespace bexlan {
namespace {

struct AppTextRow {
    AppTextId id;
    std::array<std::string_view, kLanguageCount> texts; // Turkish, Chinese, English
};

// Keep rows in enum order; the lookup checks it.
constexpr AppTextRow kAppTexts[] = {
    {AppTextId::ButtonDoesNotFit,
     {"Düğme %1 farenin belleğine sığmıyor: makrolar 2000 bayttan fazla yer tutuyor. Bir "
      "makroyu kısaltıp yeniden deneyin.",
      "按鍵 %1 無法寫入滑鼠記憶體：巨集超過 2000 位元組。請縮短巨集後再試。",
      "Button %1 does not fit into the mouse's memory: the macros take more than 2000 bytes. "
      "Shorten a macro and try again."}},
};

} // namespace

std::string_view AppText(AppTextId id, Language language)
{
    const auto row = static_cast<std::size_t>(id);
    const auto block = static_cast<std::size_t>(language);
    if (row >= std::size(kAppTexts) || kAppTexts[row].id != id || block >= kLanguageCount) {
        return {};
    }
    return kAppTexts[row].texts[block];
}

std::string FormatAppText(AppTextId id, Language language, std::string_view argument)
{
    const std::string_view text = AppText(id, language);
    std::string out;
    out.reserve(text.size() + argument.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '1') {
            out += argument;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

UserMessage TableMessage(int messageEntry, int captionEntry, MessageIcon icon)
{
    return UserMessage{messageEntry, captionEntry, icon, std::nullopt, {}};
}

UserMessage OwnMessage(AppTextId text, std::string argument, int captionEntry, MessageIcon icon)
{
    return UserMessage{-1, captionEntry, icon, text, std::move(argument)};
}

std::string MessageText(const UserMessage& message, Language language)
{
    if (message.appText) {
        return FormatAppText(*message.appText, language, message.argument);
    }
    return std::string(LookupText(TextTable::MessageTable, message.messageEntry, language));
}

std::string MessageCaption(const UserMessage& message, Language language)
{
    return std::string(LookupText(TextTable::MessageTable, message.captionEntry, language));
}

} // namespace bexlan
