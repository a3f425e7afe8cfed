// Picture files of any content through decoding, the black-and-white road at small targets
// and page packing.

#include "event_yield.h"
#include "fuzz_support.h"
#include "picture_loading.h"
#include "picture_road.h"

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
    request.widthText = QString::number(width);
    request.heightText = QString::number(height);
    request.invert = invert;
    pixmint::EventYield none;
    const pixmint::PictureRoadOutcome converted = pixmint::runPictureRoad(
        request, [&picture] { return picture; }, nullptr, none);
    check(converted.failure.isEmpty() && converted.code.failure.isEmpty(), "the road passes");
    check(converted.target.size() == QSize(width, height), "the target has the asked size");
    check(converted.grid.width() == width && converted.grid.height() == height,
          "the grid has the asked size");
    const QStringList& table = converted.table;
    check(table.size() == qsizetype(width) * ((height + 7) / 8), "one entry per column and page");
    for (const QString& entry : table)
        check(entry.size() == 2, "two digits per entry");
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
    return 0;
}
