#include "window_style.h"

#include "command_button.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace pixmint {

QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void setUpWindow(QWidget* window, const QString& name, const QString& title, QSize size,
                 WindowSize sizing)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setFont(windowFont());
    if (sizing == WindowSize::Fixed)
        window->setFixedSize(size);
    else
        window->resize(size);
}

void place(QWidget* control, const QRect& geometry, bool widenToText)
{
    QRect r = geometry;
    if (widenToText)
        r.setWidth(std::max(r.width(), control->sizeHint().width()));
    control->setGeometry(r);
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry)
{
    auto* button = new CommandButton(caption, parent);
    button->setObjectName(name);
    place(button, geometry);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    place(label, geometry, true);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    place(box, geometry);
    return box;
}

QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& entries,
                    const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->lineEdit()->setCursorPosition(0);
    place(list, geometry);
    return list;
}

QPlainTextEdit* makeCodePane(QWidget* parent, const QString& name, const QString& text,
                             const QRect& geometry)
{
    auto* pane = new QPlainTextEdit(text, parent);
    pane->setObjectName(name);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabChangesFocus(true);
    // Code lines begin with TAB, command, TAB: keep the tab stops short.
    pane->setTabStopDistance(pane->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    place(pane, geometry);
    return pane;
}

QString indexedName(const char* name, int index)
{
    return QString::fromUtf8(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace pixmint
