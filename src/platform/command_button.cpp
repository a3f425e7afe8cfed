#include "command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace pixmint {

CommandButton::CommandButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(option.text) <= textArea.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    const QString caption = option.text;
    option.text.clear();
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect shifted = isDown() ? textArea.translated(1, 1) : textArea;
    painter.drawItemText(shifted, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         caption, QPalette::ButtonText);
}

}  // namespace pixmint
