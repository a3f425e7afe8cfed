#include "picture_road.h"

#include "event_yield.h"
#include "fitting.h"
#include "monochrome.h"
#include "number_reading.h"
#include "page_packing.h"
#include "picture_loading.h"
#include "pixel_reading.h"

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

PictureRoadOutcome runPictureRoad(const PictureRoadRequest& request, const PictureDecoder& decode,
                                  ProgressSink* progress, EventYield& yield)
{
    PictureRoadOutcome outcome;
    if (request.path.isEmpty()) {
        outcome.failure = QStringLiteral("Önce bir resim yükleyin.");
        return outcome;
    }
    const qint64 width = leadingNumber(request.widthText);
    const qint64 height = leadingNumber(request.heightText);
    if (const std::optional<QString> problem = targetSizeProblem(width, height)) {
        outcome.failure = *problem;
        return outcome;
    }
    QImage picture = decode();
    if (picture.isNull()) {
        outcome.failure = unreadablePictureMessage(request.path);
        return outcome;
    }

    SiyahBeyazYap(picture, request.invert, progress, yield);
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    outcome.target = ResmiAktar(picture, size, true, yield);
    outcome.work = std::move(picture);
    outcome.grid = PikselleriOku(outcome.target, size.width(), size.height(), false);
    BaytlaraÇevir(outcome.grid, outcome.table, yield);
    outcome.code =
        codeTextFor(request.format, outcome.table, request.path, yield, request.tableName);
    return outcome;
}

}  // namespace pixmint
