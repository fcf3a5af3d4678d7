#include "model/macro_list_rules.h"

#include "model/macro_file.h"
#include "model/text_codec.h"

#include <algorithm>

namespace bexlan {

int MacroCountOf(const MacroLibrary& library)
{
    return static_cast<int>(std::min(library.MacroCount, kMaxMacroCount));
}

int SelectedSlot(const MacroLibrary& library)
{
    return std::clamp(library.SelectedMacro, 0, MacroCountOf(library));
}

std::string NameEntryText(const MacroLibrary& library, int slot)
{
    if (slot < 0 || slot >= kMacroSlotCount ||
        library.MacroSlots[static_cast<std::size_t>(slot)].eventCount == 0) {
        return std::string(kNewMacroName);
    }
    return library.DisplayName(slot);
}

std::string SelectHotRow(MacroLibrary& library)
{
    library.SelectedMacro = std::clamp(library.HotMacroRow, 0, MacroCountOf(library));
    return NameEntryText(library, library.SelectedMacro);
}

void RenameSelected(MacroLibrary& library, std::string_view text)
{
    std::string name;
    if (text != kNewMacroName) {
        name.assign(text);
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
        std::u16string wide = Utf8ToUtf16(name);
        if (wide.size() > kMaxMacroNameLength) {
            wide.resize(kMaxMacroNameLength);
            // Never keep half of a surrogate pair.
            if (wide.back() >= 0xD800 && wide.back() <= 0xDBFF) {
                wide.pop_back();
            }
            name = Utf16ToUtf8(wide);
        }
    }
    library.MacroNames[static_cast<std::size_t>(SelectedSlot(library))] = std::move(name);
}

DeleteOutcome DeleteSelected(MacroLibrary& library)
{
    DeleteOutcome outcome;
    const int count = MacroCountOf(library);
    int selected = SelectedSlot(library);
    if (selected >= count) {
        return outcome;
    }
    // The free slot moves up as well, so the slot after the new last macro stays free.
    for (int i = selected; i < count; ++i) {
        library.MacroSlots[static_cast<std::size_t>(i)] =
            library.MacroSlots[static_cast<std::size_t>(i + 1)];
        library.MacroNames[static_cast<std::size_t>(i)] =
            library.MacroNames[static_cast<std::size_t>(i + 1)];
    }
    library.MacroCount = static_cast<uint32_t>(count - 1);
    outcome.deleted = true;

    const int newCount = count - 1;
    if (selected == newCount) {
        if (selected != 0) {
            --selected;
            library.HotMacroRow = selected;
            outcome.nameEntry = NameEntryText(library, selected);
        }
        if (library.MacroListTop > selected) {
            library.MacroListTop = selected;
            outcome.nameEntry = NameEntryText(library, selected);
        }
    } else {
        outcome.nameEntry = NameEntryText(library, selected);
    }
    library.SelectedMacro = selected;
    return outcome;
}

bool CanEditMacro(const MacroLibrary& library)
{
    return library.MacroCount < kMaxMacroCount;
}

StoreResult StoreEditedMacro(MacroLibrary& library, const MacroRecord& record)
{
    if (record.eventCount == 0 || !CanEditMacro(library)) {
        return StoreResult::Ignored;
    }
    const int selected = SelectedSlot(library);
    library.SelectedMacro = selected;
    library.MacroSlots[static_cast<std::size_t>(selected)] = record;
    if (selected < MacroCountOf(library)) {
        return StoreResult::Replaced;
    }
    ++library.MacroCount;
    ++library.SelectedMacro;
    return StoreResult::Added;
}

} // namespace bexlan
