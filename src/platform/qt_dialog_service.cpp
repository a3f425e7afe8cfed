#include "qt_dialog_service.h"

#include "file_filter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pixmint {
namespace {

// Dialogs belong to the window the user works in, the main window or the converter.
QWidget* dialogParent(QWidget* fallback)
{
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallback;
}

}  // namespace

std::optional<QString> QtDialogService::run(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(dialogParent(m_parent));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite question, and a typed name need not exist yet.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(qtNameFilters(request.filter));
    QString ext = request.defaultExtension;
    ext.remove(QLatin1Char('*'));
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    return save ? withDefaultExtension(chosen, request.defaultExtension) : chosen;
}

std::optional<QString> QtDialogService::chooseOpenFile(const FileDialogRequest& request)
{
    return run(request, false);
}

std::optional<QString> QtDialogService::chooseSaveFile(const FileDialogRequest& request)
{
    return run(request, true);
}

MessageAnswer QtDialogService::showMessage(const QString& title, const QString& text,
                                           MessageButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton,
                    dialogParent(m_parent));
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
    return MessageAnswer::Ok;
}

}  // namespace pixmint
