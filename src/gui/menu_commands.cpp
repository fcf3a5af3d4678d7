#include "gui/menu_commands.h"

#include "device/app_paths.h"
#include "gui/command_support.h"
#include "gui/command_windows.h"
#include "gui/main_window.h"
#include "model/dispatch_rules.h"
#include "model/macro_conversion.h"
#include "model/menu_model.h"

#include <string>

namespace bexlan {

MenuCommands::MenuCommands(CBexlanDlg& window, CommandWindows& windows)
    : m_window(window), m_windows(windows)
{
}

void MenuCommands::OnMenuCommand(int id)
{
    OnMenuCommand(id, m_window.state().HotRegion);
}

void MenuCommands::OnMenuCommand(int id, int target)
{
    if (target >= Button2 && target <= Button10) {
        assignFunction(target, id);
    } else if (target == kSaveConfigurationRegion) {
        saveProfile(id);
    }
}

void MenuCommands::assignFunction(int slotRegion, int id)
{
    const std::optional<ButtonFunction> function = FunctionFromCommand(id);
    if (!function) {
        return;
    }
    switch (*function) {
    case ButtonFunction::Keyboard:
        captureKeyCombination(slotRegion);
        break;
    case ButtonFunction::Macro:
        chooseMacro(slotRegion);
        break;
    default:
        // The slot's key combination and macro stay, ready for when it gets them back.
        m_window.state().settings.RegionValues[static_cast<std::size_t>(slotRegion)] =
            FunctionCode(*function);
        break;
    }
}

void MenuCommands::captureKeyCombination(int slotRegion)
{
    const std::optional<KeyCombination> keys =
        m_windows.keyCombination(&m_window, MacroContextOf(m_window));
    if (!keys || (*keys)[0] == kNoKey) {
        return;
    }
    SettingsRecord& settings = m_window.state().settings;
    settings.KeyCombo[static_cast<std::size_t>(slotRegion)] = *keys;
    settings.RegionValues[static_cast<std::size_t>(slotRegion)] =
        FunctionCode(ButtonFunction::Keyboard);
}

void MenuCommands::chooseMacro(int slotRegion)
{
    MainWindowState& state = m_window.state();
    const std::optional<MacroRecord> macro =
        m_windows.chooseMacro(&m_window, state.library, MacroContextOf(m_window));
    if (!macro) {
        return;
    }
    state.settings.RegionValues[static_cast<std::size_t>(slotRegion)] =
        FunctionCode(ButtonFunction::Macro);
    // Region r shows button r + 1, whose records sit at index r.
    const int dropped = AssignMacroImage(state.settings, slotRegion, *macro);
    if (dropped > 0) {
        ShowDispatchMessage(m_window, DispatchTextId::MacroShortened, std::to_string(dropped),
                            DispatchTextId::WarningCaption, MessageIcon::Warning);
    }
}

void MenuCommands::saveProfile(int id)
{
    const std::optional<int> slot = SaveSlotFromCommand(id);
    if (!slot) {
        return;
    }
    const ClickOutcome marked = MarkProfileSlot(m_window.state().settings, *slot);
    for (int region : marked.repaint.regions()) {
        m_window.invalidateRegion(region);
    }
    m_window.invalidateRegion(kQuickSetupCaption);
    if (*slot != 0) {
        SaveProfileAt(m_window, m_window.services().paths.profile(*slot));
        return;
    }
    const std::optional<std::filesystem::path> path = m_window.services().prompts.saveFile(
        &m_window, ProfileDialogRequest(FileDialogFlag::HideReadOnly));
    if (path) {
        SaveProfileAt(m_window, *path);
    }
}

} // namespace bexlan
