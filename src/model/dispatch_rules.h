#pragma once

#include "model/region_table.h"
#include "model/settings_record.h"
#include "model/window_regions.h"

#include <array>
#include <optional>
#include <span>

namespace bexlan {

// What a click on a region of the main window does. The window carries out the actions
// that need files, menus, dialogs or the mouse; the settings edits are done here.
enum class RegionAction {
    None,            // no action of its own: only the region is drawn again
    FunctionMenu,    // button slots 1-9
    Radio,           // a member of a radio group
    Toggle,          // 0 <-> 1
    Stepper,         // an arrow of a level
    RenameMacro,     // 61
    OpenMacroFile,   // 64
    SaveMacroFile,   // 65
    SaveMacroAs,     // 66
    DeleteMacro,     // 67
    EditMacro,       // 68
    SelectMacro,     // 86, the macro list
    LoadProfileSlot, // 115-119
    LoadProfileFile, // 120
    SaveMenu,        // 121
    FactoryProfile,  // 122
    Minimise,        // 123
    Close,           // 124
    SwitchPage,      // 125-127
    Ok,              // 128
    Apply,           // 129
    Cancel,          // 130
    SelectSwatch,    // 105-112, colour page
};

// The action of `region`; None for every number without one, 131 and negatives included.
RegionAction ActionOfRegion(int region);

inline constexpr int kMacroNameButton = 61;
inline constexpr int kMacroListTitle = 63;
inline constexpr int kMacroStatusRegion = 85;
inline constexpr int kMacroListRegion = 86;
inline constexpr int kQuickSetupCaption = 114;
inline constexpr int kSaveConfigurationRegion = 121;
inline constexpr int kColourPreviewRegion = C0;

// Regions to draw again after a click, besides the clicked one.
class RepaintList {
public:
    void add(int region);
    void addAll(std::span<const Region> regions);
    std::span<const int> regions() const { return {m_regions.data(), m_count}; }
    bool contains(int region) const;
    bool empty() const { return m_count == 0; }

private:
    std::array<int, 8> m_regions{};
    std::size_t m_count = 0;
};

struct ClickOutcome {
    EditResult result = EditResult::NotApplicable;
    RepaintList repaint;
};

// The settings edits of radio choices, toggles and stepper arrows: a radio member clears
// its group and redraws every member; a toggle flips; an arrow steps its value within range
// and, only when the value changed, redraws the value and its slider. NotApplicable for
// any other region, including the profile and page groups, which have actions of their own.
ClickOutcome ApplySettingsClick(SettingsRecord& record, int region);

// The profile slot 1-5 that region 115-119 loads; nullopt for any other region.
std::optional<int> ProfileSlotOfRegion(int region);

// Marks profile slot `slot` as the one in use: Settings1-Settings5 become 0 and entry
// 114 + slot becomes 1. Slot 0, a file of the user's choice, lights the "Quick Setup"
// caption (114) instead. Redraws 115-119. A slot outside 0-5 changes nothing.
ClickOutcome MarkProfileSlot(SettingsRecord& record, int slot);

// The page tab 125-127 names; nullopt for any other region.
std::optional<Page> PageOfTab(int region);

// A colour swatch C1-C8 becomes the selection and its colour goes into the preview C0.
// Redraws the swatch selected before (if any) and the preview.
ClickOutcome SelectSwatch(SettingsRecord& record, int& selectedSwatch, int region);

// Where the popup menus open, in screen coordinates, for a window whose client area starts
// at `windowOrigin`: the function menu 3 pixels left of the slot's left edge at its bottom
// edge; the save menu at the left edge of region 121, its six rows ending at its top.
Point FunctionMenuPoint(int slotRegion, Point windowOrigin);
Point SaveMenuPoint(Point windowOrigin);

} // namespace bexlan
