#include "fitting.h"

#include "event_yield.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pixmint {

namespace {

// The source indexes [first, last] that target index i covers on an axis of source length
// s and target length t. Computed in 64 bits: i · s reaches 16384 × 2^31.
struct Span {
    int first;
    int last;
    bool operator==(const Span&) const = default;
};

Span spanOf(qint64 i, qint64 s, qint64 t)
{
    const qint64 first = i * s / t;
    const qint64 last = std::max(first, (i + 1) * s / t - 1);
    return {static_cast<int>(first), static_cast<int>(last)};
}

// The colour bits of a pixel; the alpha byte of the 32-bit formats takes no part.
constexpr QRgb kColourBits = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

QImage asColourPixels(const QImage& source)
{
    if (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32)
        return source;
    return source.convertToFormat(QImage::Format_RGB32);
}

QImage cutToFrame(const QImage& source, QSize frame)
{
    const int width = std::min(source.width(), frame.width());
    const int height = std::min(source.height(), frame.height());
    if (width < 1 || height < 1)
        return {};
    return source.copy(0, 0, width, height).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage ResmiAktar(const QImage& source, QSize target, bool fit, EventYield& yield)
{
    if (source.isNull() || target.width() < 1 || target.height() < 1)
        return {};
    if (!fit)
        return cutToFrame(source, target);

    const QImage pixels = asColourPixels(source);
    const int sourceWidth = pixels.width();
    const int sourceHeight = pixels.height();
    const int targetWidth = target.width();
    const int targetHeight = target.height();

    std::vector<Span> columns(static_cast<std::size_t>(targetWidth));
    for (int x = 0; x < targetWidth; ++x)
        columns[static_cast<std::size_t>(x)] = spanOf(x, sourceWidth, targetWidth);

    QImage result(targetWidth, targetHeight, QImage::Format_RGB32);
    if (result.isNull())
        return {};

    // rowAnd holds, for each source column, the AND of the source rows the current target
    // row covers. Successive target rows covering the same source rows (enlarging) reuse
    // the previous target row, so the work stays in proportion to source plus target.
    std::vector<QRgb> rowAnd(static_cast<std::size_t>(sourceWidth));
    Span previous{-1, -1};
    for (int y = 0; y < targetHeight; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const Span rows = spanOf(y, sourceHeight, targetHeight);
        if (rows == previous) {
            std::memcpy(out, result.constScanLine(y - 1),
                        static_cast<std::size_t>(targetWidth) * sizeof(QRgb));
            yield.tickNow();
            continue;
        }
        previous = rows;

        const auto* first = reinterpret_cast<const QRgb*>(pixels.constScanLine(rows.first));
        std::copy(first, first + sourceWidth, rowAnd.begin());
        for (int sy = rows.first + 1; sy <= rows.last; ++sy) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(sy));
            for (int sx = 0; sx < sourceWidth; ++sx)
                rowAnd[static_cast<std::size_t>(sx)] &= line[sx];
        }

        for (int x = 0; x < targetWidth; ++x) {
            const Span span = columns[static_cast<std::size_t>(x)];
            QRgb value = rowAnd[static_cast<std::size_t>(span.first)];
            for (int sx = span.first + 1; sx <= span.last; ++sx)
                value &= rowAnd[static_cast<std::size_t>(sx)];
            out[x] = (value & kColourBits) | kOpaque;
        }
        yield.tickNow();
    }
    return result;
}

QImage ResmiAktar(const QImage& source, QSize target, bool fit)
{
    EventYield idle;
    return ResmiAktar(source, target, fit, idle);
}

QImage smoothPreview(const QImage& source, QSize target, bool fit)
{
    if (source.isNull() || target.width() < 1 || target.height() < 1)
        return {};
    if (!fit)
        return cutToFrame(source, target);
    return source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace pixmint
