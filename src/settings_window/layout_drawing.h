#pragma once

#include "picture_settings.h"

#include <QWidget>

namespace pixmint {

// Where the pixel (x, y) of a picture of the given width lands in a table of the layout:
// the entry's index and the bit within it (0 the lowest).
struct BitPlace {
    qint64 entry = 0;
    int bit = 0;
};
BitPlace bitPlace(ByteLayout layout, int width, int x, int y);

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
    int m_width = 128;
    int m_height = 64;
};

// A sentence or two telling how the layout orders its bits and bytes, for a picture of the
// given width and height.
QString layoutExplanation(ByteLayout layout, int width, int height);

}  // namespace pixmint
