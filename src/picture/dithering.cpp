#include "dithering.h"

#include "event_yield.h"
#include "grey_levels.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pixmint {
namespace {

// The classic 8 × 8 Bayer matrix, row by row.
constexpr std::array<std::array<int, 8>, 8> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

// Decides every pixel on its own: dark unless light(level, x, y).
template <typename Light>
PixelGrid pointwise(const QImage& levels, EventYield& yield, Light light)
{
    PixelGrid dark(levels.width(), levels.height());
    for (int y = 0; y < levels.height(); ++y) {
        const uchar* line = levels.constScanLine(y);
        std::uint8_t* cells = dark.row(y);
        for (int x = 0; x < levels.width(); ++x)
            cells[x] = light(line[x], x, y) ? 0 : 1;
        yield.tickNow();
    }
    return dark;
}

// One share of the error: to the pixel dx to the right (on the row's scan direction) and dy
// below, weight / divisor of it.
struct Share {
    int dx;
    int dy;
    int weight;
};

struct Kernel {
    std::vector<Share> shares;
    int divisor;
};

const Kernel& kernelOf(Method method)
{
    static const Kernel floydSteinberg = {{{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}, 16};
    static const Kernel atkinson = {
        {{1, 0, 1}, {2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}}, 8};
    return method == Method::Atkinson ? atkinson : floydSteinberg;
}

PixelGrid diffused(const QImage& levels, const Kernel& kernel, int threshold, EventYield& yield)
{
    const int width = levels.width();
    const int height = levels.height();
    PixelGrid dark(width, height);
    // The errors waiting for the current row and the two below it, with two spare cells at
    // either end so that shares beyond the edges fall somewhere harmless.
    constexpr int kMargin = 2;
    const std::size_t rowLength = static_cast<std::size_t>(width) + 2 * kMargin;
    std::array<std::vector<float>, 3> errors;
    for (auto& row : errors)
        row.assign(rowLength, 0.0f);
    for (int y = 0; y < height; ++y) {
        const uchar* line = levels.constScanLine(y);
        std::uint8_t* cells = dark.row(y);
        const bool leftward = y % 2 == 1;
        for (int i = 0; i < width; ++i) {
            const int x = leftward ? width - 1 - i : i;
            const int step = leftward ? -1 : 1;
            const float value = float(line[x]) + errors[0][std::size_t(x + kMargin)];
            const bool light = value > float(threshold);
            cells[x] = light ? 0 : 1;
            const float error = (value - (light ? 255.0f : 0.0f)) / float(kernel.divisor);
            for (const Share& share : kernel.shares)
                errors[std::size_t(share.dy)][std::size_t(x + share.dx * step + kMargin)] +=
                    error * float(share.weight);
        }
        std::rotate(errors.begin(), errors.begin() + 1, errors.end());
        std::fill(errors[2].begin(), errors[2].end(), 0.0f);
        yield.tickNow();
    }
    return dark;
}

}  // namespace

PixelGrid darkPixels(const QImage& levels, Method method, int threshold, EventYield& yield)
{
    switch (method) {
    case Method::Otsu:
        threshold = otsuThreshold(levelHistogram(levels, yield));
        [[fallthrough]];
    case Method::Threshold:
        return pointwise(levels, yield,
                         [threshold](int level, int, int) { return level > threshold; });
    case Method::Bayer:
        return pointwise(levels, yield, [threshold](int level, int x, int y) {
            return level > 4 * kBayer[std::size_t(y % 8)][std::size_t(x % 8)] + threshold - 126;
        });
    case Method::FloydSteinberg:
    case Method::Atkinson:
        break;
    }
    return diffused(levels, kernelOf(method), threshold, yield);
}

QImage blackAndWhitePicture(const PixelGrid& dark, QSize frame, bool invert)
{
    QImage picture(frame, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::white);
    const QRgb darkColour = invert ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    const QRgb lightColour = invert ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const int width = std::min(dark.width(), frame.width());
    for (int y = 0; y < std::min(dark.height(), frame.height()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* cells = dark.row(y);
        for (int x = 0; x < width; ++x)
            line[x] = cells[x] ? darkColour : lightColour;
    }
    return picture;
}

}  // namespace pixmint
