#pragma once

namespace bexlan {

class CBexlanDlg;
class CommandWindows;

// The commands 5000-5046 of the popup menus, applied to the region whose click opened the
// menu: a button function for a button slot (1-9), a profile save for region 121. "Keyboard"
// and "Macro" first run their capture window and change nothing when it is cancelled.
class MenuCommands {
public:
    MenuCommands(CBexlanDlg& window, CommandWindows& windows);

    // Applies `id` to HotRegion.
    void OnMenuCommand(int id);
    // Applies `id` to `target`; any target but a button slot or region 121 is ignored.
    void OnMenuCommand(int id, int target);

private:
    void assignFunction(int slotRegion, int id);
    void captureKeyCombination(int slotRegion);
    void chooseMacro(int slotRegion);
    void saveProfile(int id);

    CBexlanDlg& m_window;
    CommandWindows& m_windows;
};

} // namespace bexlan
