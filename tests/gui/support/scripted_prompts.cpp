#include "support/scripted_prompts.h"

namespace bexlan {

void ScriptedPrompts::message(QWidget*, const QString& text, const QString& caption,
                              MessageIcon icon)
{
    m_messages.push_back({text, caption, icon});
}

std::optional<std::filesystem::path> ScriptedPrompts::openFile(QWidget*,
                                                               const FileDialogRequest& request)
{
    return answer(DialogKind::Open, request);
}

std::optional<std::filesystem::path> ScriptedPrompts::saveFile(QWidget*,
                                                               const FileDialogRequest& request)
{
    return answer(DialogKind::Save, request);
}

void ScriptedPrompts::answerNextDialog(std::optional<std::filesystem::path> answer)
{
    m_answers.push_back(std::move(answer));
}

std::optional<std::filesystem::path> ScriptedPrompts::answer(DialogKind kind,
                                                             const FileDialogRequest& request)
{
    m_dialogs.push_back({kind, request});
    if (m_answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> next = std::move(m_answers.front());
    m_answers.pop_front();
    return next;
}

} // namespace bexlan
