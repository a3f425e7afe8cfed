#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace pixmint::testing {

std::optional<QString> ScriptedDialogs::nextFile(DialogCall::Kind kind,
                                                 const FileDialogRequest& request)
{
    DialogCall call;
    call.kind = kind;
    call.request = request;
    m_calls << call;
    if (m_files.empty()) {
        ADD_FAILURE() << "a file dialog was shown but the test queued no answer for it";
        return std::nullopt;
    }
    std::optional<QString> answer = m_files.front();
    m_files.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::chooseOpenFile(const FileDialogRequest& request)
{
    return nextFile(DialogCall::Open, request);
}

std::optional<QString> ScriptedDialogs::chooseSaveFile(const FileDialogRequest& request)
{
    return nextFile(DialogCall::Save, request);
}

MessageAnswer ScriptedDialogs::showMessage(const QString& title, const QString& text,
                                           MessageButtons buttons)
{
    DialogCall call;
    call.kind = DialogCall::Message;
    call.title = title;
    call.text = text;
    call.buttons = buttons;
    m_calls << call;
    if (buttons == MessageButtons::Ok && !m_strictOk)
        return MessageAnswer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "a message box was shown but the test queued no answer: "
                      << title.toStdString() << " / " << text.toStdString();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QList<DialogCall> ScriptedDialogs::messages() const
{
    QList<DialogCall> result;
    for (const DialogCall& call : m_calls) {
        if (call.kind == DialogCall::Message)
            result << call;
    }
    return result;
}

DialogCall ScriptedDialogs::onlyMessage() const
{
    const QList<DialogCall> shown = messages();
    EXPECT_EQ(shown.size(), 1);
    return shown.size() == 1 ? shown.first() : DialogCall{};
}

}  // namespace pixmint::testing
