#include "grey_levels.h"

#include "event_yield.h"
#include "monochrome.h"

#include <algorithm>
#include <vector>

namespace pixmint {
namespace {

QImage asColourPixels(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

void levelsOfRow(const QImage& picture, int y, std::vector<int>& levels)
{
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (std::size_t x = 0; x < levels.size(); ++x)
        levels[x] = greyLevel(line[x]);
}

// c[i] for a signed index i that the caller keeps in range.
template <typename Container>
auto at(const Container& c, qint64 i)
{
    return c[static_cast<std::size_t>(i)];
}

// The overlap, in units of 1/t source pixel, of source index i and target index I on an
// axis of source length s and target length t.
qint64 overlap(qint64 i, qint64 I, qint64 s, qint64 t)
{
    return std::min((i + 1) * t, (I + 1) * s) - std::max(i * t, I * s);
}

// The source indexes target index I overlaps: from I·s / t to ((I + 1)·s − 1) / t.
struct Reach {
    qint64 first;
    qint64 last;
};

Reach reachOf(qint64 I, qint64 s, qint64 t)
{
    return {I * s / t, ((I + 1) * s - 1) / t};
}

// The weights of one axis: target index I overlaps the source indexes from first[I] on,
// with the weights weight[start[I]] up to weight[start[I + 1] − 1].
struct AxisWeights {
    std::vector<qint64> first;
    std::vector<qint64> start;
    std::vector<qint64> weight;
};

AxisWeights axisWeights(qint64 s, qint64 t)
{
    AxisWeights axis;
    axis.start.push_back(0);
    for (qint64 I = 0; I < t; ++I) {
        const Reach reach = reachOf(I, s, t);
        axis.first.push_back(reach.first);
        for (qint64 i = reach.first; i <= reach.last; ++i)
            axis.weight.push_back(overlap(i, I, s, t));
        axis.start.push_back(static_cast<qint64>(axis.weight.size()));
    }
    return axis;
}

// The area average of one picture to one target size, a target row at a time: the source
// rows it overlaps are summed per source column with their row weights, then the columns
// with their column weights.
class AreaAverage {
public:
    AreaAverage(const QImage& source, QSize target)
        : m_source(source),
          m_rows(axisWeights(source.height(), target.height())),
          m_columns(axisWeights(source.width(), target.width())),
          m_divisor(qint64(source.width()) * source.height()),
          m_levels(static_cast<std::size_t>(source.width())),
          m_columnSums(static_cast<std::size_t>(source.width()))
    {
    }

    // Sums the source rows of target row Y per column, reporting each row read.
    void sumRows(qint64 Y, RowProgress& progress, EventYield& yield)
    {
        std::fill(m_columnSums.begin(), m_columnSums.end(), 0);
        const qint64 first = at(m_rows.first, Y);
        for (qint64 i = at(m_rows.start, Y); i < at(m_rows.start, Y + 1); ++i) {
            const qint64 y = first + i - at(m_rows.start, Y);
            if (y != m_levelsRow) {
                levelsOfRow(m_source, static_cast<int>(y), m_levels);
                m_levelsRow = y;
            }
            const qint64 wy = at(m_rows.weight, i);
            for (std::size_t x = 0; x < m_levels.size(); ++x)
                m_columnSums[x] += m_levels[x] * wy;
            progress.rowDone(y);
            yield.tickNow();
        }
    }

    // The levels of the target row whose source rows were summed last.
    void writeRow(uchar* out) const
    {
        const qint64 width = static_cast<qint64>(m_columns.first.size());
        for (qint64 X = 0; X < width; ++X) {
            const qint64* sums = m_columnSums.data() + at(m_columns.first, X);
            qint64 total = 0;
            for (qint64 i = at(m_columns.start, X); i < at(m_columns.start, X + 1); ++i)
                total += sums[i - at(m_columns.start, X)] * at(m_columns.weight, i);
            out[X] = static_cast<uchar>((2 * total + m_divisor) / (2 * m_divisor));
        }
    }

private:
    const QImage& m_source;
    AxisWeights m_rows;
    AxisWeights m_columns;
    qint64 m_divisor;
    std::vector<int> m_levels;  // of the source row m_levelsRow
    qint64 m_levelsRow = -1;
    std::vector<qint64> m_columnSums;
};

}  // namespace

LevelHistogram levelHistogram(const QImage& picture, EventYield& yield)
{
    LevelHistogram histogram{};
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    const QImage pixels = grey ? picture : asColourPixels(picture);
    std::vector<int> levels(static_cast<std::size_t>(pixels.width()));
    for (int y = 0; y < pixels.height(); ++y) {
        if (grey) {
            const uchar* line = pixels.constScanLine(y);
            for (int x = 0; x < pixels.width(); ++x)
                ++histogram[line[x]];
        } else {
            levelsOfRow(pixels, y, levels);
            for (const int level : levels)
                ++histogram[static_cast<std::size_t>(level)];
        }
        yield.tickNow();
    }
    return histogram;
}

int otsuThreshold(const LevelHistogram& histogram)
{
    qint64 count = 0;
    qint64 sum = 0;
    for (int level = 0; level < 256; ++level) {
        count += at(histogram, level);
        sum += level * at(histogram, level);
    }
    // With n0 pixels of mean m0 up to N and n1 of mean m1 above it, the variance between
    // the classes is n0·n1·(m0 − m1)² / n², and n² is the same for every N.
    int best = 127;
    double bestVariance = 0;
    qint64 darkCount = 0;
    qint64 darkSum = 0;
    for (int n = 0; n < 255; ++n) {
        darkCount += at(histogram, n);
        darkSum += n * at(histogram, n);
        const qint64 lightCount = count - darkCount;
        if (darkCount == 0 || lightCount == 0)
            continue;
        const double difference =
            static_cast<double>(darkSum) / static_cast<double>(darkCount) -
            static_cast<double>(sum - darkSum) / static_cast<double>(lightCount);
        const double variance = static_cast<double>(darkCount) * static_cast<double>(lightCount) *
                                difference * difference;
        if (variance > bestVariance) {
            bestVariance = variance;
            best = n;
        }
    }
    return best;
}

QImage averageGrey(const QImage& picture, QSize target, ProgressSink* progress, EventYield& yield)
{
    if (picture.isNull() || target.width() < 1 || target.height() < 1)
        return {};
    const QImage source = asColourPixels(picture);
    QImage result(target, QImage::Format_Grayscale8);
    if (result.isNull())
        return {};
    AreaAverage average(source, target);
    RowProgress rows(progress, source.width(), source.height());
    for (int Y = 0; Y < target.height(); ++Y) {
        average.sumRows(Y, rows, yield);
        average.writeRow(result.scanLine(Y));
    }
    rows.finish();
    return result;
}

}  // namespace pixmint
