#pragma once

#include "model/language_tables.h"

#include <string>
#include <string_view>

namespace bexlan {

// Texts of the main window's commands that the language tables do not hold, in Turkish,
// Traditional Chinese and English; "%1" marks where an argument goes.
enum class DispatchTextId {
    MacroShortened, // %1: the number of events left out
    WarningCaption,
    MacroFileUnreadable,
    ProfileUnreadable,
};

// UTF-8 text of `id` in `language`; "" for a value outside the enums.
std::string_view DispatchText(DispatchTextId id, Language language);

// DispatchText with every "%1" replaced by `argument`.
std::string FormatDispatchText(DispatchTextId id, Language language, std::string_view argument);

} // namespace bexlan
