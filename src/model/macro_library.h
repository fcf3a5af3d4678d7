#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/macro_record.h"

namespace bexlan {

// At most 300 macros; the slot after the last one is always free for recording a new one.
inline constexpr uint32_t kMaxMacroCount = 300;
inline constexpr int kMacroSlotCount = 301;

// The macros the main window lists, with the file they came from. Slots
// 0..MacroCount - 1 hold the macros in list order; slot MacroCount is the free slot. Names
// are UTF-8; an empty name shows as "Macro %d".
struct MacroLibrary {
    std::array<MacroRecord, kMacroSlotCount> MacroSlots{};
    std::array<std::string, kMacroSlotCount> MacroNames{};
    uint32_t MacroCount = 0;
    int32_t SelectedMacro = 0;
    int32_t HotMacroRow = 0;
    int32_t MacroListTop = 0;
    std::string MacroFilePath;
    std::string MacroNameFilePath;

    // Back to the start-up state: all slots zero, names and paths empty, counters 0.
    void Clear();

    // MacroDisplayName of a slot; "" for a slot outside the library.
    std::string DisplayName(int slot) const;
};

} // namespace bexlan
