#include "pixel_reading.h"

#include "run_error.h"
#include "threshold.h"

#include <algorithm>
#include <cstring>

namespace pixmint {

PixelGrid PikselleriOku(const QImage& surface, int width, int height, bool invert)
{
    if (width < 1 || height < 1)
        throw RunError(IndexOutOfRange);

    PixelGrid grid(width, height);
    // What a pixel beyond the surface reads as: the invalid colour, which counts as light.
    const std::uint8_t outside = EşikBiti(kInvalidColour, invert);
    const std::uint8_t lightBit = EşikBiti(kWhite, invert);
    const std::uint8_t darkBit = EşikBiti(kBlack, invert);

    QImage pixels = surface;
    if (!pixels.isNull() && pixels.format() != QImage::Format_RGB32 &&
        pixels.format() != QImage::Format_ARGB32)
        pixels.convertTo(QImage::Format_RGB32);

    const int readWidth = std::min(width, pixels.width());
    const int readHeight = std::min(height, pixels.height());
    for (int y = 0; y < height; ++y) {
        std::uint8_t* cells = grid.row(y);
        int x = 0;
        if (y < readHeight) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            for (; x < readWidth; ++x)
                cells[x] = isLight(static_cast<qint32>(line[x] & 0xFFFFFFu)) ? lightBit : darkBit;
        }
        std::memset(cells + x, outside, static_cast<std::size_t>(width - x));
    }
    return grid;
}

}  // namespace pixmint
