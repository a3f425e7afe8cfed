#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace pixmint {

// The small sans-serif face the fixed layouts of the windows are drawn for.
QFont windowFont();

// Names a window, gives it its title and the window font, and sizes it (fixed, or resizable
// by the user).
enum class WindowSize { Fixed, Resizable };
void setUpWindow(QWidget* window, const QString& name, const QString& title, QSize size,
                 WindowSize sizing);

// Places a control at its fixed position; a label or check box is widened to its text
// when the text needs more room (never narrowed), so that no caption is cut off.
void place(QWidget* control, const QRect& geometry, bool widenToText = false);

// The controls of the windows, each named, placed and set up the same way everywhere.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& geometry);
QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text,
                   const QRect& geometry);
// An editable drop-down list with its entries, the first one selected.
QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& entries,
                    const QRect& geometry);
// A multi-line code pane with both scroll bars, no wrapping; Tab moves the focus on.
QPlainTextEdit* makeCodePane(QWidget* parent, const QString& name, const QString& text,
                             const QRect& geometry);

// "Name(index)", the name of an element of a control array.
QString indexedName(const char* name, int index);

}  // namespace pixmint
