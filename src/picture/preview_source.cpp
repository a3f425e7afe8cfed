#include "preview_source.h"

#include "threshold.h"

#include <algorithm>
#include <vector>

namespace pixmint {
namespace {

// The smallest block side that brings the picture down to maxPixels.
int blockFactor(QSize size, qint64 maxPixels)
{
    int factor = 1;
    auto blocks = [&](int f) {
        return qint64((size.width() + f - 1) / f) * ((size.height() + f - 1) / f);
    };
    while (blocks(factor) > maxPixels)
        ++factor;
    return factor;
}

// The sums and minimums of one row of blocks, written out once its last picture row is in.
struct BlockRow {
    std::vector<quint32> sums;
    std::vector<quint8> darkest;

    explicit BlockRow(int width) : sums(static_cast<std::size_t>(width)), darkest(sums.size()) {}
    void clear()
    {
        std::fill(sums.begin(), sums.end(), 0);
        std::fill(darkest.begin(), darkest.end(), quint8(255));
    }
    // Adds one picture row of the given width, blocks of k pixels.
    void add(const QRgb* line, int width, int k)
    {
        int x = 0;
        for (std::size_t X = 0; x < width; ++X) {
            for (const int end = std::min(x + k, width); x < end; ++x) {
                const int level = greyLevel(line[x]);
                sums[X] += static_cast<quint32>(level);
                darkest[X] = std::min(darkest[X], static_cast<quint8>(level));
            }
        }
    }
};

}  // namespace

QImage PreviewSource::pictureFor(Scaling scaling) const
{
    return (scaling == Scaling::Average ? averaged : darkest).convertToFormat(QImage::Format_RGB32);
}

PreviewSource reducedForPreview(const QImage& picture, const QString& path, qint64 maxPixels)
{
    PreviewSource source;
    if (picture.isNull())
        return source;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int k = blockFactor(rgb.size(), maxPixels);
    const int width = (rgb.width() + k - 1) / k;
    const int height = (rgb.height() + k - 1) / k;
    source.path = path;
    source.factor = k;
    source.averaged = QImage(width, height, QImage::Format_Grayscale8);
    source.darkest = QImage(width, height, QImage::Format_Grayscale8);
    BlockRow row(width);
    for (int Y = 0; Y < height; ++Y) {
        const int top = Y * k;
        const int rows = std::min(k, rgb.height() - top);
        row.clear();
        for (int y = top; y < top + rows; ++y)
            row.add(reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), rgb.width(), k);
        uchar* averaged = source.averaged.scanLine(Y);
        uchar* darkest = source.darkest.scanLine(Y);
        for (int X = 0; X < width; ++X) {
            const auto i = static_cast<std::size_t>(X);
            const quint32 count = quint32(rows) * quint32(std::min(k, rgb.width() - X * k));
            averaged[X] = static_cast<uchar>((row.sums[i] + count / 2) / count);
            darkest[X] = row.darkest[i];
        }
    }
    return source;
}

}  // namespace pixmint
