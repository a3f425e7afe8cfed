#pragma once

#include "dialog_service.h"

class QWidget;

namespace pixmint {

// The real dialogs: QFileDialog and QMessageBox, modal to the given parent window.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override;
    MessageAnswer showMessage(const QString& title, const QString& text,
                              MessageButtons buttons) override;

private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);
    QWidget* m_parent;
};

}  // namespace pixmint
