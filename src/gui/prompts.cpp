#include "gui/prompts.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <cstdio>

namespace bexlan {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::filesystem::path> runFileDialog(QWidget* owner, const FileDialogRequest& request,
                                                   QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        // Qt reads the patterns from the parentheses of the description.
        filters << (filter.description.contains(QLatin1Char('('))
                        ? filter.description
                        : filter.description + QStringLiteral(" (") + filter.pattern +
                              QLatin1Char(')'));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(request.flags.testFlag(FileDialogFlag::FileMustExist)
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !request.flags.testFlag(FileDialogFlag::OverwritePrompt));
    }
    dialog.setOption(QFileDialog::ReadOnly, false);
    // A wildcard initial name only chooses the filter; a real one is preselected.
    if (!request.initialName.isEmpty() && !request.initialName.contains(QLatin1Char('*')) &&
        !request.initialName.contains(QLatin1Char('?'))) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToFilesystemPath(dialog.selectedFiles().constFirst());
}

} // namespace

void QtPrompts::message(QWidget* owner, const QString& text, const QString& caption,
                        MessageIcon icon)
{
    QMessageBox box(toQtIcon(icon), caption, text, QMessageBox::Ok, owner);
    box.exec();
}

std::optional<std::filesystem::path> QtPrompts::openFile(QWidget* owner,
                                                         const FileDialogRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtPrompts::saveFile(QWidget* owner,
                                                         const FileDialogRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

void ConsolePrompts::message(QWidget*, const QString& text, const QString& caption, MessageIcon)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
}

std::optional<std::filesystem::path> ConsolePrompts::openFile(QWidget*, const FileDialogRequest&)
{
    return std::nullopt;
}

std::optional<std::filesystem::path> ConsolePrompts::saveFile(QWidget*, const FileDialogRequest&)
{
    return std::nullopt;
}

void ShowMessage(Prompts& prompts, QWidget* owner, const UserMessage& message, Language language)
{
    prompts.message(owner, QString::fromStdString(MessageText(message, language)),
                    QString::fromStdString(MessageCaption(message, language)), message.icon);
}

std::filesystem::path ToFilesystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString FromFilesystemPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.native().c_str());
}

} // namespace bexlan
