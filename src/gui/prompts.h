#pragma once

#include "model/app_texts.h"
#include "model/language_tables.h"

#include <QFlags>
#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

class QWidget;

namespace bexlan {

enum class FileDialogFlag {
    HideReadOnly = 0x1,
    FileMustExist = 0x2,
    // The chosen name may carry another extension than the default one.
    ExtensionDifferent = 0x4,
    OverwritePrompt = 0x8,
};
Q_DECLARE_FLAGS(FileDialogFlags, FileDialogFlag)

struct FileFilter {
    QString description; // "MACRO File (*.mac)"
    QString pattern;     // "*.mac"
};

struct FileDialogRequest {
    QString defaultExtension; // "mac", without the dot; appended when the user types none
    QString initialName;      // "*.mac"; a wildcard name only preselects the filter
    std::vector<FileFilter> filters;
    FileDialogFlags flags;
};

// Every message box and file dialog goes through this interface, so a window never talks
// to the desktop directly and tests can answer in its place.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A box with one OK button. `owner` may be null (no window yet).
    virtual void message(QWidget* owner, const QString& text, const QString& caption,
                         MessageIcon icon) = 0;

    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> openFile(QWidget* owner,
                                                          const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(QWidget* owner,
                                                          const FileDialogRequest& request) = 0;
};

// The desktop's message boxes and file dialogs.
class QtPrompts : public Prompts {
public:
    void message(QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon) override;
    std::optional<std::filesystem::path> openFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;
};

// For runs without anyone to answer (a screenshot on a machine without display): messages
// go to stderr and every file dialog is cancelled.
class ConsolePrompts : public Prompts {
public:
    void message(QWidget* owner, const QString& text, const QString& caption,
                 MessageIcon icon) override;
    std::optional<std::filesystem::path> openFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(QWidget* owner,
                                                  const FileDialogRequest& request) override;
};

// Shows a message value (MessageTable entries or a text of our own) in `language`.
void ShowMessage(Prompts& prompts, QWidget* owner, const UserMessage& message, Language language);

// A Qt path string as a filesystem path, in the encoding the file system uses.
std::filesystem::path ToFilesystemPath(const QString& path);
QString FromFilesystemPath(const std::filesystem::path& path);

} // namespace bexlan

Q_DECLARE_OPERATORS_FOR_FLAGS(bexlan::FileDialogFlags)
