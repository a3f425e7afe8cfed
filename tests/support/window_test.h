#pragma once

#include "program_state.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pixmint::testing {

// Clicks the button of the window named `name`, as a person does; the handlers are the
// windows' own.
inline void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// A fixture that builds a real window with a fresh program state and scripted dialogs,
// shows it active, and finds and drives its controls by name.
template <typename Window>
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_form = std::make_unique<Window>(m_state, m_dialogs);
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* found = m_form->template findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }
    QComboBox* combo(const char* name) const { return control<QComboBox>(QString::fromUtf8(name)); }
    QPlainTextEdit* pane(const char* name) const
    {
        return control<QPlainTextEdit>(QString::fromUtf8(name));
    }

    // The name of the control with the focus; an editable list's edit line stands for the list.
    static QString focusName()
    {
        QWidget* w = QApplication::focusWidget();
        if (w && qobject_cast<QComboBox*>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    static void focus(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Replaces the text of an editable list by typing, key by key.
    static void typeInto(QComboBox* list, const QString& text)
    {
        focus(list);
        list->lineEdit()->selectAll();
        QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(list->lineEdit(), text);
    }

    ProgramState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Window> m_form;
};

}  // namespace pixmint::testing
