#pragma once

#include "dialog_service.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace pixmint::testing {

// One recorded call of the dialog service.
struct DialogCall {
    enum Kind { Open, Save, Message } kind = Message;
    QString title;  // message boxes
    QString text;   // message boxes
    MessageButtons buttons = MessageButtons::Ok;
    FileDialogRequest request;  // file dialogs
};

// Answers dialogs from queues and records every call. A call whose queue is empty fails
// the running test at once (and answers "cancel" / "No") instead of blocking.
class ScriptedDialogs : public DialogService {
public:
    // A file dialog answer: a path, or nothing for a cancelled dialog.
    void queueFile(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    // Message boxes with an OK button need no answer unless this is set.
    void setStrictOk(bool strict) { m_strictOk = strict; }

    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override;
    MessageAnswer showMessage(const QString& title, const QString& text,
                              MessageButtons buttons) override;

    const QList<DialogCall>& calls() const { return m_calls; }
    QList<DialogCall> messages() const;
    // The one message box shown since the calls were last cleared; when there was none or
    // more than one, the expectation fails and an empty call comes back.
    DialogCall onlyMessage() const;
    void clearCalls() { m_calls.clear(); }
    bool hasUnusedAnswers() const { return !m_files.empty() || !m_answers.empty(); }

private:
    std::optional<QString> nextFile(DialogCall::Kind kind, const FileDialogRequest& request);

    std::deque<std::optional<QString>> m_files;
    std::deque<MessageAnswer> m_answers;
    QList<DialogCall> m_calls;
    bool m_strictOk = false;
};

}  // namespace pixmint::testing
