#include "window_style.h"

#include <QWidget>

namespace pixmint {

QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void place(QWidget* control, const QRect& geometry, bool widenToText)
{
    QRect r = geometry;
    if (widenToText)
        r.setWidth(std::max(r.width(), control->sizeHint().width()));
    control->setGeometry(r);
}

}  // namespace pixmint
