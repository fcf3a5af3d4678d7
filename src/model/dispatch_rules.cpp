#include "model/dispatch_rules.h"

#include <algorithm>

namespace bexlan {

namespace {

constexpr int kMenuLeftOverhang = 3;
// The save menu's six rows of 24 pixels stand right above its button.
constexpr int kSaveMenuHeight = 6 * 24;

constexpr Region kProfileSlots[] = {Settings1, Settings2, Settings3, Settings4, Settings5};

bool isSwatch(int region)
{
    return region >= C1 && region <= C8;
}

} // namespace

RegionAction ActionOfRegion(int region)
{
    if (region >= Button2 && region <= Button10) {
        return RegionAction::FunctionMenu;
    }
    if (isSwatch(region)) {
        return RegionAction::SelectSwatch;
    }
    if (FindStepperArrow(region)) {
        return RegionAction::Stepper;
    }
    switch (RadioGroupOf(region)) {
    case RadioGroup::None:
        break;
    case RadioGroup::Profile:
        return RegionAction::LoadProfileSlot;
    case RadioGroup::Page:
        return RegionAction::SwitchPage;
    default:
        return RegionAction::Radio;
    }
    if (const SettingEntry* entry = FindSetting(region);
        entry != nullptr && entry->kind == SettingKind::Toggle) {
        return RegionAction::Toggle;
    }
    switch (region) {
    case kMacroNameButton:
        return RegionAction::RenameMacro;
    case 64:
        return RegionAction::OpenMacroFile;
    case 65:
        return RegionAction::SaveMacroFile;
    case 66:
        return RegionAction::SaveMacroAs;
    case 67:
        return RegionAction::DeleteMacro;
    case 68:
        return RegionAction::EditMacro;
    case kMacroListRegion:
        return RegionAction::SelectMacro;
    case 120:
        return RegionAction::LoadProfileFile;
    case kSaveConfigurationRegion:
        return RegionAction::SaveMenu;
    case 122:
        return RegionAction::FactoryProfile;
    case 123:
        return RegionAction::Minimise;
    case 124:
        return RegionAction::Close;
    case 128:
        return RegionAction::Ok;
    case 129:
        return RegionAction::Apply;
    case 130:
        return RegionAction::Cancel;
    default:
        return RegionAction::None;
    }
}

void RepaintList::add(int region)
{
    if (contains(region) || m_count == m_regions.size()) {
        return;
    }
    m_regions[m_count++] = region;
}

void RepaintList::addAll(std::span<const Region> regions)
{
    for (Region region : regions) {
        add(region);
    }
}

bool RepaintList::contains(int region) const
{
    const auto used = regions();
    return std::find(used.begin(), used.end(), region) != used.end();
}

ClickOutcome ApplySettingsClick(SettingsRecord& record, int region)
{
    ClickOutcome outcome;
    switch (ActionOfRegion(region)) {
    case RegionAction::Radio:
        outcome.result = SelectRadio(record, region);
        outcome.repaint.addAll(RadioGroupMembers(RadioGroupOf(region)));
        break;
    case RegionAction::Toggle:
        outcome.result = Toggle(record, region);
        break;
    case RegionAction::Stepper: {
        const StepperArrow arrow = *FindStepperArrow(region);
        outcome.result = Step(record, arrow.stepper->value, arrow.direction);
        if (outcome.result == EditResult::Changed) {
            outcome.repaint.add(arrow.stepper->value);
            if (arrow.stepper->alsoRepaint != kNoRegion) {
                outcome.repaint.add(arrow.stepper->alsoRepaint);
            }
        }
        break;
    }
    default:
        break;
    }
    return outcome;
}

std::optional<int> ProfileSlotOfRegion(int region)
{
    if (region >= Settings1 && region <= Settings5) {
        return region - kQuickSetupCaption;
    }
    return std::nullopt;
}

ClickOutcome MarkProfileSlot(SettingsRecord& record, int slot)
{
    ClickOutcome outcome;
    if (slot < 0 || slot > 5) {
        return outcome;
    }
    const auto before = record.RegionValues;
    for (Region member : kProfileSlots) {
        record[member] = 0;
    }
    // Entry 114 is the "Quick Setup" caption: it stays lit once a file of the user's
    // choice has been saved, as it always has.
    record.RegionValues[static_cast<std::size_t>(kQuickSetupCaption + slot)] = 1;
    outcome.result = record.RegionValues == before ? EditResult::Unchanged : EditResult::Changed;
    outcome.repaint.addAll(kProfileSlots);
    return outcome;
}

std::optional<Page> PageOfTab(int region)
{
    if (region >= BasicPage && region <= ColorPage) {
        return static_cast<Page>(region - BasicPage);
    }
    return std::nullopt;
}

ClickOutcome SelectSwatch(SettingsRecord& record, int& selectedSwatch, int region)
{
    ClickOutcome outcome;
    if (!isSwatch(region)) {
        return outcome;
    }
    if (selectedSwatch != 0) {
        outcome.repaint.add(selectedSwatch);
    }
    const int32_t before = record[C0];
    selectedSwatch = region;
    record[C0] = record.RegionValues[static_cast<std::size_t>(region)];
    outcome.result = record[C0] == before ? EditResult::Unchanged : EditResult::Changed;
    outcome.repaint.add(kColourPreviewRegion);
    return outcome;
}

Point FunctionMenuPoint(int slotRegion, Point windowOrigin)
{
    const Rect slot = RegionRect(slotRegion);
    return {windowOrigin.x + slot.left - kMenuLeftOverhang, windowOrigin.y + slot.bottom};
}

Point SaveMenuPoint(Point windowOrigin)
{
    const Rect button = RegionRect(kSaveConfigurationRegion);
    return {windowOrigin.x + button.left, windowOrigin.y + button.top - kSaveMenuHeight};
}

} // namespace bexlan
