#pragma once

#include <QFrame>
#include <QImage>

namespace pixmint {

// A picture box: a drawing surface that keeps its image, so that what is drawn on it can
// be read back. The image sits in the top-left corner of the inner area; the rest shows
// the box's background. A box with a border loses the border's width on each side.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, bool border = true);

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);
    void setImage(QImage&& image);
    // Takes the image out (the box is left empty); for work in place without a copy.
    QImage takeImage();
    void clear();
    bool isEmpty() const { return m_image.isNull(); }
    // The inner drawing area in pixels.
    QSize innerSize() const { return contentsRect().size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

}  // namespace pixmint
