#include "picture_box.h"

#include <QPainter>

namespace pixmint {

PictureBox::PictureBox(QWidget* parent, bool border) : QFrame(parent)
{
    if (border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setAutoFillBackground(true);
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void PictureBox::setImage(QImage&& image)
{
    m_image = std::move(image);
    update();
}

QImage PictureBox::takeImage()
{
    QImage taken = std::move(m_image);
    m_image = QImage();
    update();
    return taken;
}

void PictureBox::clear()
{
    m_image = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.drawImage(inner.topLeft(), m_image);
}

}  // namespace pixmint
