#pragma once

#include "gui/prompts.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

namespace bexlan {

// Answers in place of the user: records every message box and file dialog, and gives file
// dialogs the answers queued with answerNextDialog (a cancel once the queue is empty).
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    enum class DialogKind { Open, Save };
    struct Dialog {
        DialogKind kind;
        FileDialogRequest request;
    };

    void message(QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon) override;
    std::optional<std::filesystem::path> openFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;

    // nullopt answers as a cancel.
    void answerNextDialog(std::optional<std::filesystem::path> answer);

    const std::vector<Message>& messages() const { return m_messages; }
    const std::vector<Dialog>& dialogs() const { return m_dialogs; }

private:
    std::optional<std::filesystem::path> answer(DialogKind kind, const FileDialogRequest& request);

    std::vector<Message> m_messages;
    std::vector<Dialog> m_dialogs;
    std::deque<std::optional<std::filesystem::path>> m_answers;
};

} // namespace bexlan
