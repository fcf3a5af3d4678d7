#pragma once

#include "gui/menu_commands.h"

#include <filesystem>
#include <memory>

namespace bexlan {

class CBexlanDlg;
class CommandWindows;
struct ApplyResult;
struct ClickOutcome;

// Turns a click on a region of the main window (or Space, which repeats the last click) into
// the region's action. The window calls it for every release that is no drag and no slider.
// Afterwards the clicked region is drawn again, plus whatever the action changed; Close, OK
// and Cancel end the window instead.
class ClickDispatcher {
public:
    // With the real menus and macro windows.
    explicit ClickDispatcher(CBexlanDlg& window);
    // With `windows` in their place; it must outlive the dispatcher.
    ClickDispatcher(CBexlanDlg& window, CommandWindows& windows);
    ~ClickDispatcher();

    // `region` is 0-130, or 131 for a release outside every region (which does nothing).
    void dispatch(int region);

    MenuCommands& menuCommands() { return m_commands; }

private:
    enum class AfterAction { Repaint, WindowEnded };

    AfterAction act(int region);
    void repaint(const ClickOutcome& outcome);
    void repaintMacroList();

    void openFunctionMenu(int slotRegion);
    void openSaveMenu();
    void renameMacro();
    void selectMacro();
    void deleteMacro();
    void editMacro();
    void openMacroFile();
    void saveMacroFile();
    void saveMacroFileAs();
    void loadProfileSlot(int region);
    void loadProfileFromFile();
    void loadFactoryProfile();
    bool loadProfile(const std::filesystem::path& path);
    ApplyResult applySettings();

    CBexlanDlg& m_window;
    std::unique_ptr<CommandWindows> m_ownWindows;
    CommandWindows& m_windows;
    MenuCommands m_commands;
};

} // namespace bexlan
