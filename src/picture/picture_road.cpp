#include "picture_road.h"

#include "fitting.h"
#include "monochrome.h"
#include "pixel_reading.h"
#include "run_error.h"

namespace pixmint {

std::optional<QString> targetSizeProblem(qint64 width, qint64 height)
{
    const bool sidesFit =
        width >= 1 && width <= kMaxTargetSide && height >= 1 && height <= kMaxTargetSide;
    if (sidesFit && width * height <= kMaxTargetPixels)
        return std::nullopt;
    return QStringLiteral(
        "En ve yükseklik 1 ile 16384 arasında olmalı; en × yükseklik en fazla 16777216 "
        "piksel olabilir.");
}

ConvertedPicture convertPicture(QImage& picture, int width, int height, bool invert,
                                ProgressSink* progress, EventYield& yield)
{
    // The window checks the size first and shows the message; reaching here with a size
    // out of bounds is a caller's fault, refused before the picture is touched.
    if (targetSizeProblem(width, height))
        throw RunError(InvalidArgument);

    SiyahBeyazYap(picture, invert, progress, yield);
    ConvertedPicture converted;
    converted.target = ResmiAktar(picture, QSize(width, height), true, yield);
    converted.grid = PikselleriOku(converted.target, width, height, false);
    return converted;
}

}  // namespace pixmint
