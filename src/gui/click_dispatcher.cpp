#include "gui/click_dispatcher.h"

#include "device/app_paths.h"
#include "device/transfer_sequences.h"
#include "gui/busy_cursor.h"
#include "gui/command_support.h"
#include "gui/command_windows.h"
#include "gui/main_window.h"
#include "model/dispatch_rules.h"
#include "model/macro_file.h"
#include "model/macro_list_rules.h"
#include "model/profile.h"
#include "model/text_codec.h"

#include <QLineEdit>

namespace bexlan {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QPoint toQPoint(Point point)
{
    return QPoint(point.x, point.y);
}

} // namespace

ClickDispatcher::ClickDispatcher(CBexlanDlg& window)
    : m_window(window), m_ownWindows(std::make_unique<QtCommandWindows>()),
      m_windows(*m_ownWindows), m_commands(window, m_windows)
{
}

ClickDispatcher::ClickDispatcher(CBexlanDlg& window, CommandWindows& windows)
    : m_window(window), m_windows(windows), m_commands(window, windows)
{
}

ClickDispatcher::~ClickDispatcher() = default;

void ClickDispatcher::dispatch(int region)
{
    if (region < 0 || region >= kRegionCount) {
        return;
    }
    if (act(region) == AfterAction::Repaint) {
        // Also when nothing changed: a stepper at its limit, a cancelled dialog.
        m_window.invalidateRegion(region);
    }
}

ClickDispatcher::AfterAction ClickDispatcher::act(int region)
{
    MainWindowState& state = m_window.state();
    switch (ActionOfRegion(region)) {
    case RegionAction::None:
        break;
    case RegionAction::FunctionMenu:
        openFunctionMenu(region);
        break;
    case RegionAction::Radio:
    case RegionAction::Toggle:
    case RegionAction::Stepper:
        repaint(ApplySettingsClick(state.settings, region));
        break;
    case RegionAction::RenameMacro:
        renameMacro();
        break;
    case RegionAction::OpenMacroFile:
        openMacroFile();
        break;
    case RegionAction::SaveMacroFile:
        saveMacroFile();
        break;
    case RegionAction::SaveMacroAs:
        saveMacroFileAs();
        break;
    case RegionAction::DeleteMacro:
        deleteMacro();
        break;
    case RegionAction::EditMacro:
        editMacro();
        break;
    case RegionAction::SelectMacro:
        selectMacro();
        break;
    case RegionAction::LoadProfileSlot:
        loadProfileSlot(region);
        break;
    case RegionAction::LoadProfileFile:
        loadProfileFromFile();
        break;
    case RegionAction::SaveMenu:
        openSaveMenu();
        break;
    case RegionAction::FactoryProfile:
        loadFactoryProfile();
        break;
    case RegionAction::Minimise:
        m_window.showMinimized();
        break;
    case RegionAction::Close:
    case RegionAction::Cancel:
        m_window.reject();
        return AfterAction::WindowEnded;
    case RegionAction::SwitchPage:
        m_window.showPage(*PageOfTab(region));
        break;
    case RegionAction::Ok:
        // Settings that cannot be sent at all keep the window open, so the user can shorten
        // a macro instead of losing the changes; every other outcome ends the program.
        if (applySettings().status == ApplyStatus::DoesNotFit) {
            break;
        }
        m_window.accept();
        return AfterAction::WindowEnded;
    case RegionAction::Apply:
        applySettings();
        break;
    case RegionAction::SelectSwatch:
        repaint(SelectSwatch(state.settings, state.SelectedSwatch, region));
        break;
    }
    return AfterAction::Repaint;
}

void ClickDispatcher::repaint(const ClickOutcome& outcome)
{
    for (int region : outcome.repaint.regions()) {
        m_window.invalidateRegion(region);
    }
}

void ClickDispatcher::repaintMacroList()
{
    m_window.invalidateRegion(kMacroListTitle);
    m_window.invalidateRegion(kMacroStatusRegion);
    m_window.invalidateRegion(kMacroListRegion);
}

void ClickDispatcher::openFunctionMenu(int slotRegion)
{
    const QPoint origin = m_window.mapToGlobal(QPoint(0, 0));
    const QPoint at = toQPoint(FunctionMenuPoint(slotRegion, Point{origin.x(), origin.y()}));
    const std::optional<int> command =
        m_windows.functionMenu(&m_window, at, m_window.state().LanguageIndex);
    // The command goes to the slot that opened the menu, wherever the pointer is now (Space
    // opens the menu of the last click while the pointer may rest on another slot).
    if (command) {
        m_commands.OnMenuCommand(*command, slotRegion);
    }
}

void ClickDispatcher::openSaveMenu()
{
    const QPoint origin = m_window.mapToGlobal(QPoint(0, 0));
    const QPoint at = toQPoint(SaveMenuPoint(Point{origin.x(), origin.y()}));
    const std::optional<int> command =
        m_windows.saveMenu(&m_window, at, m_window.state().LanguageIndex);
    if (command) {
        m_commands.OnMenuCommand(*command, kSaveConfigurationRegion);
    }
}

void ClickDispatcher::renameMacro()
{
    RenameSelected(m_window.state().library, m_window.NameEdit()->text().toStdString());
    m_window.invalidateRegion(kMacroListRegion);
}

void ClickDispatcher::selectMacro()
{
    m_window.NameEdit()->setText(fromUtf8(SelectHotRow(m_window.state().library)));
    m_window.invalidateRegion(kMacroStatusRegion);
}

void ClickDispatcher::deleteMacro()
{
    const DeleteOutcome outcome = DeleteSelected(m_window.state().library);
    if (outcome.nameEntry) {
        m_window.NameEdit()->setText(fromUtf8(*outcome.nameEntry));
    }
    repaintMacroList();
}

void ClickDispatcher::editMacro()
{
    MacroLibrary& library = m_window.state().library;
    if (!CanEditMacro(library)) {
        return;
    }
    const MacroRecord& selected =
        library.MacroSlots[static_cast<std::size_t>(SelectedSlot(library))];
    const std::optional<MacroRecord> edited =
        m_windows.editMacro(&m_window, selected, MacroContextOf(m_window));
    if (!edited) {
        return;
    }
    StoreEditedMacro(library, *edited);
    repaintMacroList();
}

void ClickDispatcher::openMacroFile()
{
    const std::optional<std::filesystem::path> path = m_window.services().prompts.openFile(
        &m_window, MacroDialogRequest(FileDialogFlag::HideReadOnly));
    if (!path) {
        return;
    }
    MacroLibrary& library = m_window.state().library;
    // A file that is no macro file changes nothing, its paths included, so a later Save
    // cannot overwrite it with the library.
    const std::string oldMacroPath = library.MacroFilePath;
    const std::string oldNamePath = library.MacroNameFilePath;
    const MacroReadStatus status = LoadMacroLibrary(
        library, path->string(), CodePageForLanguage(m_window.state().LanguageIndex));
    if (status != MacroReadStatus::Read) {
        library.MacroFilePath = oldMacroPath;
        library.MacroNameFilePath = oldNamePath;
        ShowDispatchMessage(m_window, DispatchTextId::MacroFileUnreadable, {}, MessageError,
                            MessageIcon::None);
        return;
    }
    // A profile saved from now on names this macro file.
    m_window.state().settings.MacroFilePath = library.MacroFilePath;
    m_window.NameEdit()->setText(fromUtf8(NameEntryText(library, 0)));
    repaintMacroList();
}

void ClickDispatcher::saveMacroFile()
{
    switch (SaveMacroLibrary(m_window.state().library)) {
    case MacroSaveStatus::NoPath:
        return;
    case MacroSaveStatus::Saved:
        ShowTableMessage(m_window, MessageFileSaved, MessageFinish, MessageIcon::None);
        break;
    case MacroSaveStatus::MacroFileFailed:
    case MacroSaveStatus::NameFileFailed:
        ShowTableMessage(m_window, MessageFileSaveFailed, MessageError, MessageIcon::None);
        break;
    }
    // The status area shows the file's name.
    m_window.invalidateRegion(kMacroStatusRegion);
}

void ClickDispatcher::saveMacroFileAs()
{
    const std::optional<std::filesystem::path> path = m_window.services().prompts.saveFile(
        &m_window,
        MacroDialogRequest(FileDialogFlag::HideReadOnly | FileDialogFlag::ExtensionDifferent));
    if (!path) {
        return;
    }
    MacroLibrary& library = m_window.state().library;
    library.MacroFilePath = path->string();
    library.MacroNameFilePath = MacroNameFilePathFor(library.MacroFilePath);
    m_window.state().settings.MacroFilePath = library.MacroFilePath;
    saveMacroFile();
}

bool ClickDispatcher::loadProfile(const std::filesystem::path& path)
{
    MainWindowState& state = m_window.state();
    const ProfileLoadResult result =
        LoadProfile(path, state.LanguageIndex, static_cast<int>(state.CurrentPage), state.settings,
                    state.library);
    if (result == ProfileLoadResult::Unreadable) {
        ShowDispatchMessage(m_window, DispatchTextId::ProfileUnreadable, {}, MessageError,
                            MessageIcon::None);
        return false;
    }
    if (result == ProfileLoadResult::Loaded) {
        // The macro file the profile names is the one Save writes to, also when it does not
        // exist yet.
        MacroLibrary& library = state.library;
        if (library.MacroFilePath != state.settings.MacroFilePath) {
            library.MacroFilePath = state.settings.MacroFilePath;
            library.MacroNameFilePath = library.MacroFilePath.empty()
                                            ? std::string()
                                            : MacroNameFilePathFor(library.MacroFilePath);
        }
    }
    m_window.invalidateAll();
    return true;
}

void ClickDispatcher::loadProfileSlot(int region)
{
    const int slot = *ProfileSlotOfRegion(region);
    // A missing profile file gives the factory values, and the slot is marked all the same.
    if (loadProfile(m_window.services().paths.profile(slot))) {
        repaint(MarkProfileSlot(m_window.state().settings, slot));
    }
}

void ClickDispatcher::loadProfileFromFile()
{
    const std::optional<std::filesystem::path> path = m_window.services().prompts.openFile(
        &m_window,
        ProfileDialogRequest(FileDialogFlag::HideReadOnly | FileDialogFlag::FileMustExist));
    if (path) {
        loadProfile(*path);
    }
}

void ClickDispatcher::loadFactoryProfile()
{
    if (loadProfile(m_window.services().paths.factoryProfile())) {
        applySettings();
    }
}

ApplyResult ClickDispatcher::applySettings()
{
    ApplyResult result;
    {
        const BusyCursor busy;
        TransferContext context = m_window.transferContext();
        result = ApplySettings(context, m_window.state().settings, PointerMode::Apply);
    }
    if (result.message) {
        ShowMessage(m_window.services().prompts, &m_window, *result.message,
                    m_window.state().LanguageIndex);
    }
    return result;
}

} // namespace bexlan
