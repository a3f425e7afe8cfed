#include "picture_road.h"

#include "byte_layout.h"
#include "dithering.h"
#include "event_yield.h"
#include "fitting.h"
#include "grey_levels.h"
#include "monochrome.h"
#include "orientation.h"
#include "picture_loading.h"
#include "pixel_reading.h"

namespace pixmint {

namespace {

// The size the request asks for, or the message why it cannot be made.
std::optional<QString> requestProblem(const PictureRoadRequest& request, QSize& size)
{
    if (request.path.isEmpty())
        return QStringLiteral("Önce bir resim yükleyin.");
    if (!request.target.ok())
        return request.target.failure();
    size = QSize(request.target->width, request.target->height);
    return std::nullopt;
}

// Black and white at the picture's own size (the picture itself is turned), then stretched.
QImage blackWinsTarget(QImage& picture, const PictureRoadRequest& request, QSize size,
                       ProgressSink* progress, EventYield& yield)
{
    const PictureSettings& settings = request.settings;
    const int threshold = settings.method == Method::Otsu
                              ? otsuThreshold(levelHistogram(picture, yield))
                              : settings.threshold;
    SiyahBeyazYap(picture, request.invert, threshold, progress, yield);
    return ResmiAktar(picture, size, true, yield);
}

// Grey levels at the target size, then black and white by the method.
QImage averageTarget(const QImage& picture, const PictureRoadRequest& request, QSize size,
                     ProgressSink* progress, EventYield& yield)
{
    const QImage cut = request.fit ? picture : ResmiAktar(picture, size, false);
    const QImage levels = averageGrey(cut, request.fit ? size : cut.size(), progress, yield);
    const PixelGrid dark =
        darkPixels(levels, request.settings.method, request.settings.threshold, yield);
    return blackAndWhitePicture(dark, size, request.invert);
}

// The grid's bytes and code text, as the road ends.
void packAndLayOut(PictureRoadOutcome& outcome, const PictureRoadRequest& request,
                   EventYield& yield)
{
    outcome.bytes = displayTable(outcome.grid, request.settings, yield);
    const Checked<TextFormat>& format = request.format;
    if (format.ok()) {
        outcome.code.code =
            layOutTable(format.value(), outcome.bytes, request.path, yield, request.tableName);
        outcome.code.code.text +=
            libraryCallLine(format.value(), request.settings,
                            {outcome.grid.width(), outcome.grid.height()}, request.tableName);
    } else {
        outcome.code.failure = format.failure();
    }
}

}  // namespace

Bytes displayTable(const PixelGrid& grid, const PictureSettings& settings, EventYield& yield)
{
    if (settings.polarity == Polarity::Dark)
        return packedBytes(grid, settings.layout, yield);
    return packedBytes(cellsWithPolarity(grid, settings.polarity), settings.layout, yield);
}

Bytes displayTable(const PixelGrid& grid, const PictureSettings& settings)
{
    EventYield none;
    return displayTable(grid, settings, none);
}

QString libraryCallLine(const TextFormat& format, const PictureSettings& settings, QSize size,
                        const QString& tableName)
{
    const DisplayPreset* preset = displayPresetNamed(settings.display);
    const QString& language = format.language->name;
    const bool arduino = language == QLatin1String("Arduino");
    if (!preset || !preset->isLibraryCall() || !(arduino || language == QLatin1String("C")))
        return QString();
    QString name = tableName;
    if (name.isEmpty()) {
        name = format.command.trimmed();
        if (name.endsWith(QLatin1String("[]=")))
            name.chop(3);
    }
    return libraryCallComment(*preset, name, size.width(), size.height(), arduino) +
           QStringLiteral("\r\n");
}

PictureRoadOutcome editedPictureOutcome(const PixelGrid& grid, const PictureRoadRequest& request,
                                        EventYield& yield)
{
    PictureRoadOutcome outcome;
    if (grid.isEmpty()) {
        outcome.failure = QStringLiteral("Düzenlenen resim boş.");
        return outcome;
    }
    outcome.grid = grid;
    outcome.target = blackAndWhitePicture(outcome.grid, {grid.width(), grid.height()}, false);
    packAndLayOut(outcome, request, yield);
    return outcome;
}

PictureRoadOutcome runPictureRoad(const PictureRoadRequest& request, const PictureDecoder& decode,
                                  ProgressSink* progress, EventYield& yield)
{
    PictureRoadOutcome outcome;
    QSize size;
    if (std::optional<QString> problem = requestProblem(request, size)) {
        outcome.failure = *problem;
        return outcome;
    }
    const PictureSettings& settings = request.settings;
    QImage picture = orientedPicture(decode(), settings.rotation, settings.mirror, yield);
    if (picture.isNull()) {
        outcome.failure = unreadablePictureMessage(request.path);
        return outcome;
    }

    outcome.target = settings.scaling == Scaling::Average
                         ? averageTarget(picture, request, size, progress, yield)
                         : blackWinsTarget(picture, request, size, progress, yield);
    outcome.work = std::move(picture);
    outcome.grid = PikselleriOku(outcome.target, size.width(), size.height(), false);
    packAndLayOut(outcome, request, yield);
    return outcome;
}

}  // namespace pixmint
