// Picture files of any content through decoding, the black-and-white road at small targets
// and page packing; and the road with picture settings drawn from the input's last bytes
// (rotation, mirror, scaling, method, threshold, layout, target size, invert, fit), whose
// table must draw back to its grid.

#include "event_yield.h"
#include "fuzz_support.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "table_drawing.h"

#include <QImage>
#include <QStringList>

using pixmint_fuzz::check;

namespace {

// Larger pictures decode (that is under test) but skip the road, whose time grows with the
// pixels and would only slow the search down.
constexpr qint64 kMostConvertedPixels = 4'000'000;

void convertAndPack(const QImage& picture, int width, int height, bool invert)
{
    pixmint::PictureRoadRequest request;
    request.path = QStringLiteral("fuzz.png");
    request.target = pixmint::TargetSize{width, height};
    request.invert = invert;
    pixmint::EventYield none;
    const pixmint::PictureRoadOutcome converted = pixmint::runPictureRoad(
        request, [&picture] { return picture; }, nullptr, none);
    check(converted.failure.isEmpty() && converted.code.failure.isEmpty(), "the road passes");
    check(converted.target.size() == QSize(width, height), "the target has the asked size");
    check(converted.grid.width() == width && converted.grid.height() == height,
          "the grid has the asked size");
    check(converted.bytes.size() == std::size_t(width) * std::size_t((height + 7) / 8),
          "one entry per column and page");
}

// The settings of one more conversion, drawn from the last bytes of the input (which the
// decoders take as trailing data, if they read that far).
struct DrawnRoad {
    pixmint::PictureSettings settings;
    int width = 24;
    int height = 12;
    bool invert = false;
    bool fit = true;
};

DrawnRoad drawnRoad(const std::uint8_t* data, std::size_t size)
{
    DrawnRoad road;
    if (size < 6)
        return road;
    const std::uint8_t* b = data + size - 6;
    road.settings.rotation = static_cast<pixmint::Rotation>(b[0] & 3);
    road.settings.mirror = b[0] & 4;
    road.settings.scaling = b[0] & 8 ? pixmint::Scaling::Average : pixmint::Scaling::BlackWins;
    road.invert = b[0] & 16;
    road.fit = !(b[0] & 32);
    road.settings.method = static_cast<pixmint::Method>(b[1] % 5);
    road.settings.threshold = b[2];
    road.settings.layout = static_cast<pixmint::ByteLayout>(b[3] % 4);
    road.width = b[4] % 40 + 1;
    road.height = b[5] % 40 + 1;
    return road;
}

// The grid drawn back from the table in its layout: rows beyond the grid must be light.
void checkDrawsBack(const pixmint::PictureRoadOutcome& converted, pixmint::ByteLayout layout)
{
    const pixmint::PixelGrid& grid = converted.grid;
    const pixmint::Checked<QImage> drawn =
        pixmint::drawTable(converted.bytes, grid.width(), 1, layout);
    check(drawn.ok(), "the table draws");
    const QImage& drawing = drawn.value();
    check(drawing.width() == grid.width() && drawing.height() >= grid.height(),
          "the drawing holds the grid");
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const bool dark = drawing.pixelIndex(x, y) == 1;
            check(dark == (y < grid.height() && grid.at(x, y)), "the drawing is the grid");
        }
    }
}

void convertWithSettings(const QImage& picture, const DrawnRoad& road)
{
    pixmint::PictureRoadRequest request;
    request.path = QStringLiteral("fuzz.png");
    request.target = pixmint::TargetSize{road.width, road.height};
    request.invert = road.invert;
    request.fit = road.fit;
    request.settings = road.settings;
    pixmint::EventYield none;
    const pixmint::PictureRoadOutcome converted = pixmint::runPictureRoad(
        request, [&picture] { return picture; }, nullptr, none);
    check(converted.failure.isEmpty() && converted.code.failure.isEmpty(), "the road passes");
    check(converted.target.size() == QSize(road.width, road.height),
          "the target has the asked size");
    check(converted.grid.width() == road.width && converted.grid.height() == road.height,
          "the grid has the asked size");
    checkDrawsBack(converted, road.settings.layout);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage picture = pixmint::loadPictureFromData(pixmint_fuzz::bytesOf(data, size));
    if (picture.isNull())
        return 0;
    check(picture.format() == QImage::Format_RGB32, "a decoded picture is opaque RGB32");
    const qint64 pixels = qint64(picture.width()) * picture.height();
    check(pixels >= 1 && pixels <= pixmint::kMaxPicturePixels, "a decoded picture is in bounds");
    if (pixels > kMostConvertedPixels)
        return 0;
    convertAndPack(picture, 16, 8, false);
    convertAndPack(picture, 13, 5, true);
    convertAndPack(picture, 1, 1, size % 2 == 0);
    convertWithSettings(picture, drawnRoad(data, size));
    return 0;
}
