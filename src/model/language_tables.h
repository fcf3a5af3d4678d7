#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace bexlan {

// The language every text is taken from. The values are the order of the blocks in each
// table and the offset of the worded skin pictures, so they must not be renumbered.
enum class Language : int32_t { Turkish = 0, TraditionalChinese = 1, English = 2 };
inline constexpr int kLanguageCount = 3;

enum class TextTable {
    RegionLabelTable,
    FunctionNameTable,
    MessageTable,
    ChooserTextTable,
    MouseButtonNameTable,
    ChooserEventKindTable,
    EditorTextTable,
    EditorEventKindTable,
    KeyWindowTextTable
};
inline constexpr int kTextTableCount = 9;

// UTF-8 text of entry `entry` of `table` in `language`, exactly as stored: leading and
// trailing spaces are kept. "" for an empty entry ("no text") and for an entry or language
// outside the table, so a stray index never reads past the data.
std::string_view LookupText(TextTable table, int entry, Language language);

// N: the number of entries of one language block.
int TextTableEntries(TextTable table);

// W: the fixed width of an entry in UTF-16 characters, including the terminating zero. Every
// stored text is at most W - 1 UTF-16 characters long; the build checks this.
int TextTableWidth(TextTable table);

// "RegionLabelTable", "FunctionNameTable", ...; "" for a value outside the enum.
std::string_view TextTableName(TextTable table);

// The inverse of TextTableName, for tools that name a table on the command line.
std::optional<TextTable> ParseTextTableName(std::string_view name);

// "tr", "zh", "en" (also accepted in upper case); nullopt for anything else.
std::optional<Language> ParseLanguage(std::string_view code);

// "tr", "zh", "en"; "" for a value outside the enum.
std::string_view LanguageCode(Language language);

// The language of a selection index 0-2 (the order of the language choice); nullopt for
// any other index, such as -1 for "nothing selected", which must leave the language as it is.
std::optional<Language> LanguageFromIndex(int index);

} // namespace bexlan
