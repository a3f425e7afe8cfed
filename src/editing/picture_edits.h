#pragma once

#include "pixel_edit.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

namespace pixmint {

// The drawing operations of the pixel editor on a one-bit picture (cells 0 and 1, 1 dark).
// Each returns the edit that makes its change on `picture` and leaves the picture as it is;
// the edit holds only the pixels that change. Whatever a shape or a patch would put beyond
// the picture's edges is left out (clipped). `value` is what a tool paints: 1 dark, 0 light.

// The picture with every cell that is not 0 made 1, as the operations take it.
PixelGrid oneBitPicture(PixelGrid picture);

// The rectangle that has the two pixels as opposite corners, both within it.
QRect cornersRect(QPoint a, QPoint b);

// The pixels of the straight line from one end to the other, both ends included (the
// pencil's stroke between two places of the mouse, and the line tool).
PixelEdit lineEdit(const PixelGrid& picture, QPoint from, QPoint to, std::uint8_t value);

// The rectangle's border one pixel wide, or the whole rectangle when filled.
PixelEdit rectangleEdit(const PixelGrid& picture, QRect rect, std::uint8_t value, bool filled);

// The region of pixels of the seed's value that the seed reaches through edge neighbours
// (four-connected), painted with `value`. Nothing for a seed outside the picture.
PixelEdit floodFillEdit(const PixelGrid& picture, QPoint seed, std::uint8_t value);

// Every pixel of the area, dark for light and light for dark.
PixelEdit invertEdit(const PixelGrid& picture, QRect area);

// Everything moved dx pixels right and dy down (negative: left, up). What leaves one edge
// comes in at the opposite one, so nothing is lost and the opposite shift undoes it.
PixelEdit shiftEdit(const PixelGrid& picture, int dx, int dy);

// The pixels of the area that lie in the picture, as a picture of their own.
PixelGrid copiedPixels(const PixelGrid& picture, QRect area);

// The picture with the hole made light and then the patch laid over it with its top-left
// pixel at `at`, light pixels and dark ones alike. A paste has no hole; a selection moved
// away from its place leaves its place as the hole.
PixelEdit placeEdit(const PixelGrid& picture, QRect hole, const PixelGrid& patch, QPoint at);

// A change that is dragged out with the mouse (a line, a rectangle, a selection carried
// away), each position of which is computed afresh from the picture as it was when the drag
// began. step() gives what turns the picture from the last position into the new one; all
// the steps merged are the change from the start to the last position, so passing over
// pixels on the way changes nothing of them.
class DraggedChange {
public:
    DraggedChange() = default;
    explicit DraggedChange(PixelGrid start) : m_start(std::move(start)) {}

    const PixelGrid& start() const { return m_start; }
    // `whole` is an edit of start(): the change of the new position from the start.
    PixelEdit step(const PixelEdit& whole);

private:
    PixelGrid m_start;
    PixelEdit m_whole;
};

}  // namespace pixmint
