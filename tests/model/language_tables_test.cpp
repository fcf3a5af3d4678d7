#include "model/language_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

using namespace bexlan;

namespace {

constexpr Language kAllLanguages[] = {Language::Turkish, Language::TraditionalChinese,
                                      Language::English};

// An independent UTF-8 decoder: the number of UTF-16 units of `text`, or nullopt when the
// bytes are not well-formed UTF-8.
std::optional<int> utf16Units(std::string_view text)
{
    int units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned lead = byte(i);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) {
            return std::nullopt;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        units += cp >= 0x10000 ? 2 : 1;
        i += length;
    }
    return units;
}

struct TableShape {
    TextTable table;
    std::string_view name;
    int entries;
    int width;
};

constexpr TableShape kShapes[] = {
    {TextTable::RegionLabelTable, "RegionLabelTable", 135, 50},
    {TextTable::FunctionNameTable, "FunctionNameTable", 46, 40},
    {TextTable::MessageTable, "MessageTable", 17, 40},
    {TextTable::ChooserTextTable, "ChooserTextTable", 8, 100},
    {TextTable::MouseButtonNameTable, "MouseButtonNameTable", 7, 30},
    {TextTable::ChooserEventKindTable, "ChooserEventKindTable", 5, 40},
    {TextTable::EditorTextTable, "EditorTextTable", 20, 40},
    {TextTable::EditorEventKindTable, "EditorEventKindTable", 5, 40},
    {TextTable::KeyWindowTextTable, "KeyWindowTextTable", 3, 20},
};

} // namespace

TEST(LanguageTables, ShapesAndNames)
{
    static_assert(std::size(kShapes) == kTextTableCount);
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        EXPECT_EQ(TextTableEntries(shape.table), shape.entries);
        EXPECT_EQ(TextTableWidth(shape.table), shape.width);
        EXPECT_EQ(TextTableName(shape.table), shape.name);
        EXPECT_EQ(ParseTextTableName(shape.name), shape.table);
    }
    EXPECT_EQ(ParseTextTableName("regionlabeltable"), std::nullopt);
    EXPECT_EQ(ParseTextTableName(""), std::nullopt);
}

// Every text must fit its fixed-width entry with its terminating zero and hold no zero of
// its own, which would end it early once laid out.
TEST(LanguageTables, EveryTextIsUtf8AndFitsItsEntry)
{
    for (const TableShape& shape : kShapes) {
        for (int entry = 0; entry < shape.entries; ++entry) {
            for (Language language : kAllLanguages) {
                SCOPED_TRACE(std::string(shape.name) + " entry " + std::to_string(entry) +
                             " language " + std::to_string(static_cast<int>(language)));
                const std::string_view text = LookupText(shape.table, entry, language);
                const std::optional<int> units = utf16Units(text);
                ASSERT_TRUE(units.has_value());
                EXPECT_LE(*units, shape.width - 1);
                EXPECT_EQ(text.find('\0'), std::string_view::npos);
            }
        }
    }
}

TEST(LanguageTables, TrickyEntriesAreStoredExactly)
{
    const std::string dpiScale = "800" + std::string(5, ' ') + "1600" + std::string(5, ' ') +
                                 "2400" + std::string(6, ' ') + "3000" + std::string(5, ' ') +
                                 "4000" + std::string(9, ' ');
    struct Case {
        TextTable table;
        int entry;
        Language language;
        std::string expected;
    };
    const Case cases[] = {
        {TextTable::RegionLabelTable, 13, Language::Turkish, dpiScale},
        {TextTable::RegionLabelTable, 13, Language::TraditionalChinese, dpiScale},
        {TextTable::RegionLabelTable, 13, Language::English, dpiScale},
        {TextTable::RegionLabelTable, 15, Language::Turkish, " Renkli"},
        {TextTable::RegionLabelTable, 65, Language::English, " Save"},
        {TextTable::RegionLabelTable, 10, Language::Turkish, "T\u00DCRK\u00C7E"},
        {TextTable::RegionLabelTable, 10, Language::TraditionalChinese, "呼吸燈設置"},
        {TextTable::RegionLabelTable, 97, Language::Turkish, "灯光亮度设置"},
        {TextTable::RegionLabelTable, 100, Language::Turkish, ""},
        {TextTable::RegionLabelTable, 100, Language::English, "持續顏色"},
        {TextTable::RegionLabelTable, 131, Language::English, ""},
        {TextTable::RegionLabelTable, 132, Language::English, "Macros Files"},
        {TextTable::RegionLabelTable, 134, Language::Turkish, "Macro ayarlar\u0131"},
        {TextTable::FunctionNameTable, 0, Language::English, ""},
        {TextTable::FunctionNameTable, 37, Language::English, "Vol+"},
        {TextTable::FunctionNameTable, 37, Language::TraditionalChinese, "音量+"},
        {TextTable::FunctionNameTable, 40, Language::Turkish, "Farkl\u0131\u00A0Kaydet"},
        {TextTable::FunctionNameTable, 40, Language::English, "Setting Save As"},
        {TextTable::MessageTable, 14, Language::English, "Download the program to complete"},
        {TextTable::MessageTable, 14, Language::TraditionalChinese, "下載程序完成\uFF01"},
        {TextTable::MessageTable, 8, Language::Turkish,
         "ayarlar\u0131 kurmada ba\u015Far\u0131s\u0131z\uFF01"},
        {TextTable::MessageTable, 9, Language::English, "Failed to get the data!"},
        {TextTable::MessageTable, 16, Language::TraditionalChinese, "丟失文件"},
        {TextTable::ChooserTextTable, 7, Language::English, "Cancel"},
        {TextTable::KeyWindowTextTable, 1, Language::English, " Cancel"},
        {TextTable::EditorTextTable, 12, Language::Turkish, "yukar\u0131 kayd\u0131rma"},
        {TextTable::MouseButtonNameTable, 5, Language::Turkish, "yukar\u0131kayd\u0131rma"},
        {TextTable::EditorEventKindTable, 1, Language::Turkish, "a\u015Fa\u011F\u0131 kayd\u0131r"},
        {TextTable::ChooserEventKindTable, 1, Language::Turkish, "ate\u015Fle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(TextTableName(c.table)) + " entry " + std::to_string(c.entry));
        EXPECT_EQ(LookupText(c.table, c.entry, c.language), c.expected);
    }
}

// A label starting with a display-type letter is drawn as a widget, not as text, so the
// letter must mark exactly the regions that have such a widget, in every language. This
// catches a translation that lost its protective leading space.
TEST(LanguageTables, DisplayTypeLettersMarkOnlyWidgetRegions)
{
    const auto isWidgetRegion = [](int region) {
        return region <= 9 || (region >= 36 && region <= 39) || region == 51 || region == 55 ||
               (region >= 78 && region <= 84 && region != 81) || (region >= 104 && region <= 112);
    };
    for (int region = 0; region <= 130; ++region) {
        // The rest of the page that is never shown holds plain words such as "High".
        if (region >= 87 && region <= 103) {
            continue;
        }
        for (Language language : kAllLanguages) {
            const std::string_view label =
                LookupText(TextTable::RegionLabelTable, region, language);
            const bool startsWithCode =
                !label.empty() && std::string_view("BSXCHRYG").find(label[0]) != label.npos;
            EXPECT_EQ(startsWithCode, isWidgetRegion(region))
                << "region " << region << " language " << static_cast<int>(language) << " \""
                << label << "\"";
        }
    }
}

TEST(LanguageTables, OutOfRangeLookupsGiveNoText)
{
    EXPECT_EQ(LookupText(TextTable::RegionLabelTable, -1, Language::English), "");
    EXPECT_EQ(LookupText(TextTable::RegionLabelTable, 135, Language::English), "");
    EXPECT_EQ(LookupText(TextTable::KeyWindowTextTable, 3, Language::Turkish), "");
    EXPECT_EQ(LookupText(TextTable::MessageTable, 1, static_cast<Language>(3)), "");
    EXPECT_EQ(LookupText(TextTable::MessageTable, 1, static_cast<Language>(-1)), "");
    const auto noTable = static_cast<TextTable>(kTextTableCount);
    EXPECT_EQ(LookupText(noTable, 0, Language::Turkish), "");
    EXPECT_EQ(TextTableEntries(noTable), 0);
    EXPECT_EQ(TextTableWidth(noTable), 0);
    EXPECT_EQ(TextTableName(noTable), "");
}

TEST(LanguageTables, LanguageCodesAndIndices)
{
    for (Language language : kAllLanguages) {
        EXPECT_EQ(ParseLanguage(LanguageCode(language)), language);
        EXPECT_EQ(LanguageFromIndex(static_cast<int>(language)), language);
    }
    EXPECT_EQ(LanguageCode(Language::TraditionalChinese), "zh");
    EXPECT_EQ(ParseLanguage("EN"), Language::English);
    for (std::string_view bad : {"", "de", "t", "tr ", "english"}) {
        EXPECT_EQ(ParseLanguage(bad), std::nullopt) << '"' << bad << '"';
    }
    EXPECT_EQ(LanguageCode(static_cast<Language>(3)), "");
    EXPECT_EQ(LanguageFromIndex(-1), std::nullopt);
    EXPECT_EQ(LanguageFromIndex(3), std::nullopt);
}
