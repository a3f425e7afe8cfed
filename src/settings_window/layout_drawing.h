#pragma once

#include "picture_settings.h"
#include "target_size.h"

#include <QWidget>

namespace pixmint {

// The bit order of a layout, drawn as the top-left corner of the display: a grid of
// pixels, each showing its bit number, a frame around the pixels of each byte, and the
// byte's index beside it (above and below for the bytes of the first two pages, left and
// right for the first two bytes of each row). Pixels beyond the picture's width or height,
// whose bits are 0, are greyed.
class LayoutDrawing : public QWidget {
    Q_OBJECT
public:
    explicit LayoutDrawing(QWidget* parent = nullptr);

    void showLayout(ByteLayout layout, int width, int height);
    ByteLayout byteLayout() const { return m_layout; }

    // The pixels drawn along each side.
    static constexpr int kCells = 16;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect cellRect(int x, int y) const;
    QColor cellColour(int x, int y) const;
    void paintCells(QPainter& painter) const;
    void paintByteFrames(QPainter& painter) const;
    void paintByteIndexes(QPainter& painter) const;

    ByteLayout m_layout = ByteLayout::PagesLsbTop;
    int m_width = TargetSize{}.width;
    int m_height = TargetSize{}.height;
};

}  // namespace pixmint
