#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace pixmint {

// The small sans-serif face the fixed layouts of the windows are drawn for.
QFont windowFont();

// Places a control at its fixed position; a label or check box is widened to its text
// when the text needs more room (never narrowed), so that no caption is cut off.
void place(QWidget* control, const QRect& geometry, bool widenToText = false);

}  // namespace pixmint
