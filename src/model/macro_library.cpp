#include "model/macro_library.h"

namespace bexlan {

void MacroLibrary::Clear()
{
    MacroSlots.fill(MacroRecord{});
    for (std::string& name : MacroNames)
        name.clear();
    MacroCount = 0;
    SelectedMacro = 0;
    HotMacroRow = 0;
    MacroListTop = 0;
    MacroFilePath.clear();
    MacroNameFilePath.clear();
}

std::string MacroLibrary::DisplayName(int slot) const
{
    if (slot < 0 || slot >= kMacroSlotCount)
        return {};
    return MacroDisplayName(MacroNames[static_cast<std::size_t>(slot)], slot);
}

} // namespace bexlan
