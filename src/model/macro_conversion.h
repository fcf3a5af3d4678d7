#pragma once

#include <array>
#include <cstdint>

#include "model/macro_record.h"
#include "model/settings_record.h"

namespace bexlan {

// A macro as the records a button sends: 10-byte device records with button number 0,
// which the report builder fills in.
struct MacroImageConversion {
    std::array<uint8_t, kMacroImageSize> image{};
    int32_t length = 0; // 10 x records written, at most 250
    // Events cut off because 25 records were already written (the delays that belonged to
    // them included); the macro is kept up to the first one that did not fit.
    int droppedEvents = 0;
};

// Converts the events 0..eventCount - 1 of `macro`, one record per event except delays,
// which go into bytes 8-9 of the record before them (a delay before the first record is
// dropped; a later delay replaces an earlier one in the same record). Kinds without a
// record form write nothing.
MacroImageConversion ConvertMacroToImage(const MacroRecord& macro);

// Stores the conversion of `macro` as the MacroImage and MacroImageLength of button
// `buttonIndex` (0..9); returns its droppedEvents. An index outside 0..9 changes nothing.
int AssignMacroImage(SettingsRecord& settings, int buttonIndex, const MacroRecord& macro);

} // namespace bexlan
