#include "orientation.h"

#include "event_yield.h"

#include <algorithm>
#include <array>

namespace pixmint {
namespace {

// Where pixel (x, y) of the result lies in the source: at origin + x·dx + y·dy, counted in
// pixels from the start of the source's first line.
struct Walk {
    qptrdiff origin;
    qptrdiff dx;
    qptrdiff dy;
};

Walk walkFor(Rotation rotation, qptrdiff width, qptrdiff height, qptrdiff stride)
{
    switch (rotation) {
    case Rotation::Quarter:  // (x, y) shows the source pixel (y, H − 1 − x)
        return {(height - 1) * stride, -stride, 1};
    case Rotation::Half:  // (W − 1 − x, H − 1 − y)
        return {(height - 1) * stride + width - 1, -1, -stride};
    case Rotation::ThreeQuarters:  // (W − 1 − y, x)
        return {width - 1, stride, -1};
    case Rotation::None:
        break;
    }
    return {0, 1, stride};
}

constexpr int kStripRows = 16;

bool sidesExchanged(Rotation rotation)
{
    return rotation == Rotation::Quarter || rotation == Rotation::ThreeQuarters;
}

}  // namespace

QImage orientedPicture(const QImage& picture, Rotation rotation, bool mirror, EventYield& yield)
{
    if ((rotation == Rotation::None && !mirror) || picture.isNull())
        return picture;
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const int width = sidesExchanged(rotation) ? source.height() : source.width();
    const int height = sidesExchanged(rotation) ? source.width() : source.height();
    QImage result(width, height, QImage::Format_RGB32);
    if (result.isNull())
        return {};

    // Rows of a 32-bit picture are whole pixels long, so the stride counts in pixels.
    Walk walk = walkFor(rotation, source.width(), source.height(), source.bytesPerLine() / 4);
    if (mirror) {
        walk.origin += (width - 1) * walk.dx;
        walk.dx = -walk.dx;
    }
    // The result is written a strip of rows at a time, column by column within the strip:
    // a quarter turn then reads each source row in runs, not one pixel per row of memory.
    const auto* pixels = reinterpret_cast<const QRgb*>(source.constBits());
    for (int top = 0; top < height; top += kStripRows) {
        const int rows = std::min(kStripRows, height - top);
        std::array<QRgb*, kStripRows> out{};
        for (int i = 0; i < rows; ++i)
            out[std::size_t(i)] = reinterpret_cast<QRgb*>(result.scanLine(top + i));
        for (int x = 0; x < width; ++x) {
            const QRgb* from = pixels + walk.origin + x * walk.dx + top * walk.dy;
            for (int i = 0; i < rows; ++i)
                out[std::size_t(i)][x] = from[i * walk.dy] | 0xFF000000u;
        }
        yield.tickNow();
    }
    return result;
}

}  // namespace pixmint
