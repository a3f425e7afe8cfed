#include "sample_picture.h"

#include <algorithm>

namespace pixmint {
namespace {

constexpr int kMostFactor = 12;
constexpr int kGridFrom = 3;

}  // namespace

QImage enlargedSample(const PixelGrid& sample, QSize area, int& factor)
{
    factor = 1;
    if (sample.isEmpty() || area.isEmpty())
        return QImage();
    // One pixel is kept for the grid's last line.
    factor = std::clamp(
        std::min((area.width() - 1) / sample.width(), (area.height() - 1) / sample.height()), 1,
        kMostFactor);
    const int columns = std::min(sample.width(), std::max(1, area.width() / factor));
    const int rows = std::min(sample.height(), std::max(1, area.height() / factor));
    const bool grid = factor >= kGridFrom;
    QImage picture(columns * factor + (grid ? 1 : 0), rows * factor + (grid ? 1 : 0),
                   QImage::Format_RGB32);
    picture.fill(grid ? QColor(0xC8, 0xC8, 0xC8) : QColor(Qt::white));
    const int inset = grid ? 1 : 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const QRgb colour = sample.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            for (int dy = inset; dy < factor; ++dy) {
                auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y * factor + dy));
                const qsizetype left = qsizetype{x} * factor;
                std::fill(line + left + inset, line + left + factor, colour);
            }
        }
    }
    return picture;
}

}  // namespace pixmint
