#pragma once

#include <cstdint>
#include <span>

#include "model/device_reports.h"
#include "model/macro_library.h"
#include "model/settings_record.h"

namespace bexlan {

// Takes a report 3 read from the mouse into the settings: XDpi, the report rate (a code
// outside 0..3 leaves the four rate entries alone), Breathing, the light mode, HShine (a
// code that is no HShineCodes entry leaves it alone) and the three lights (0 is off and
// keeps the level, anything else is on at that level). Other entries are untouched.
void DecodeSettingsReport(const SettingsReport& report, SettingsRecord& settings);

struct ButtonMapDecode {
    int macroButtons = 0;   // buttons that read back as "Macro"
    int macrosStored = 0;   // of those, macros added to the library
    int cutMacroImages = 0; // macro buttons with more than 25 records: MacroImage holds 25
    int droppedEvents = 0;  // events past the 256 a MacroRecord holds
};

// Takes a report 4 read from the mouse (the 2049 bytes, report ID first) into Button1..
// Button10, KeyCombo, MacroImage/MacroImageLength and the macro library. Before decoding,
// every KeyCombo and MacroImage is emptied and the library's macros, names and selection
// are cleared (its paths stay).
//
// Each button's length is measured from the ButtonTable; records are read one after
// another from address 48, whole records at a time, and never outside `report`, whatever
// the addresses say. A button whose records are no single click, double click, DPI step,
// key combination, catalogue shortcut or media key is a macro: it gets code 8, its records
// become a MacroRecord in the library (named "Macro %d") and, with the button number
// cleared, the button's MacroImage, so an upload sends them back as they were.
ButtonMapDecode DecodeButtonMapReport(std::span<const uint8_t> report, SettingsRecord& settings,
                                      MacroLibrary& library);

// Both of the above.
ButtonMapDecode DecodeReports(const SettingsReport& settingsReport,
                              std::span<const uint8_t> buttonMapReport, SettingsRecord& settings,
                              MacroLibrary& library);

} // namespace bexlan
