#include "model/dispatch_texts.h"

#include <array>
#include <iterator>

namespace bexlan {

namespace {

struct DispatchTextRow {
    DispatchTextId id;
    std::array<std::string_view, kLanguageCount> texts; // Turkish, Chinese, English
};

// Keep rows in enum order; the lookup checks it.
constexpr DispatchTextRow kDispatchTexts[] = {
    {DispatchTextId::MacroShortened,
     {"Bu makronun %1 olayı düğmeye sığmadı ve dışarıda bırakıldı.",
      "此巨集有 %1 個事件超出按鍵容量，已被略去。",
      "%1 events of this macro did not fit into the button and were left out."}},
    {DispatchTextId::WarningCaption, {"Uyarı", "警告", "Warning"}},
    {DispatchTextId::MacroFileUnreadable,
     {"Dosya makro dosyası olarak açılamadı.", "無法以巨集文件開啟此文件。",
      "The file could not be opened as a macro file."}},
    {DispatchTextId::ProfileUnreadable,
     {"Ayar dosyası okunamadı.", "無法讀取配置文件。", "The settings file could not be read."}},
};

} // namespace

std::string_view DispatchText(DispatchTextId id, Language language)
{
    const auto row = static_cast<std::size_t>(id);
    const auto block = static_cast<std::size_t>(language);
    if (row >= std::size(kDispatchTexts) || kDispatchTexts[row].id != id ||
        block >= kLanguageCount) {
        return {};
    }
    return kDispatchTexts[row].texts[block];
}

std::string FormatDispatchText(DispatchTextId id, Language language, std::string_view argument)
{
    const std::string_view text = DispatchText(id, language);
    std::string out;
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

} // namespace bexlan
