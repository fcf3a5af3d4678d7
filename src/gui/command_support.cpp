#include "gui/command_support.h"

#include "gui/main_window.h"
#include "model/profile.h"

namespace bexlan {

MacroWindowContext MacroContextOf(CBexlanDlg& window)
{
    const MainWindowServices& services = window.services();
    return MacroWindowContext{services.skins, services.fonts, window.state().LanguageIndex};
}

void ShowTableMessage(CBexlanDlg& window, int messageEntry, int captionEntry, MessageIcon icon)
{
    ShowMessage(window.services().prompts, &window, TableMessage(messageEntry, captionEntry, icon),
                window.state().LanguageIndex);
}

namespace {

void showOwnText(CBexlanDlg& window, DispatchTextId text, std::string_view argument,
                 std::string_view caption, MessageIcon icon)
{
    const Language language = window.state().LanguageIndex;
    window.services().prompts.message(
        &window, QString::fromStdString(FormatDispatchText(text, language, argument)),
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), icon);
}

} // namespace

void ShowDispatchMessage(CBexlanDlg& window, DispatchTextId text, std::string_view argument,
                         DispatchTextId caption, MessageIcon icon)
{
    showOwnText(window, text, argument, DispatchText(caption, window.state().LanguageIndex), icon);
}

void ShowDispatchMessage(CBexlanDlg& window, DispatchTextId text, std::string_view argument,
                         int captionEntry, MessageIcon icon)
{
    showOwnText(window, text, argument,
                LookupText(TextTable::MessageTable, captionEntry, window.state().LanguageIndex),
                icon);
}

FileDialogRequest ProfileDialogRequest(FileDialogFlags flags)
{
    return FileDialogRequest{QStringLiteral("ini"),
                             QStringLiteral("*.ini"),
                             {{QStringLiteral("INI File (*.ini)"), QStringLiteral("*.ini")}},
                             flags};
}

FileDialogRequest MacroDialogRequest(FileDialogFlags flags)
{
    return FileDialogRequest{QStringLiteral("mac"),
                             QStringLiteral("*.mac"),
                             {{QStringLiteral("MACRO File (*.mac)"), QStringLiteral("*.mac")}},
                             flags};
}

bool SaveProfileAt(CBexlanDlg& window, const std::filesystem::path& path)
{
    if (SaveProfile(path, window.state().settings, window.state().LanguageIndex)) {
        return true;
    }
    ShowTableMessage(window, MessageFileSaveFailed, MessageError, MessageIcon::None);
    return false;
}

} // namespace bexlan
