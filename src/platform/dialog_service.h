#pragma once

#include <QString>

#include <optional>

namespace pixmint {

// What a command asks of the file dialog. The filter is written as the program's own
// texts write it: description|patterns|description|patterns…, patterns separated by ";".
struct FileDialogRequest {
    QString filter;
    QString fileName;          // proposed name, no folder; may be empty
    QString defaultExtension;  // "*.inc", ".inc" or "inc"; empty for none
};

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every dialog and message box of the program goes through this interface, so that
// tests can answer them from a script. The calls are modal.
class DialogService {
public:
    virtual ~DialogService() = default;

    // Shows an open dialog; the chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest& request) = 0;
    // Shows a save dialog that asks nothing itself (no overwrite question); the chosen
    // full path with the default extension added to a name that has none, or nothing
    // when the user cancelled.
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest& request) = 0;
    // Shows a message box with no icon; Yes is first and the default of Yes/No.
    virtual MessageAnswer showMessage(const QString& title, const QString& text,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace pixmint
