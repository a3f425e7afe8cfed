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

namespace {

// Names a new control and places it.
template <typename Control>
Control* named(Control* control, const QString& name, const QRect& geometry,
               bool widenToText = false)
{
    control->setObjectName(name);
    place(control, geometry, widenToText);
    return control;
}

}  // namespace

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry)
{
    return named<QPushButton>(new CommandButton(caption, parent), name, geometry);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& geometry)
{
    return named(new QLabel(caption, parent), name, geometry, true);
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    return named(new QLineEdit(text, parent), name, geometry);
}

QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& entries,
                    const QRect& geometry)
{
    auto* list = named(new QComboBox(parent), name, geometry);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->lineEdit()->setCursorPosition(0);
    return list;
}

QPlainTextEdit* makeCodePane(QWidget* parent, const QString& name, const QString& text,
                             const QRect& geometry)
{
    auto* pane = named(new QPlainTextEdit(text, parent), name, geometry);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabChangesFocus(true);
    // Code lines begin with TAB, command, TAB: keep the tab stops short.
    pane->setTabStopDistance(pane->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    return pane;
}

QString indexedName(const char* name, int index)
{
    return QString::fromUtf8(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace pixmint
