#include "cli_commands.h"
#include "cli_options.h"
#include "event_yield.h"
#include "picture_batch.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "picture_road.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "table_naming.h"

namespace pixmint::cli {
namespace {

// The usage error of picture's own options together, or nothing.
std::optional<QString> pictureUsageProblem(const CliOptions& options)
{
    const bool several = options.inputs.size() > 1;
    if (options.name && several) {
        return QStringLiteral(
            "--name yalnız tek bir resimle kullanılabilir; birden çok resimde her tablo "
            "dosyasının adını alır.");
    }
    if (options.name && !isTableIdentifier(*options.name)) {
        return QStringLiteral(
                   "--name bir ad olmalı (harfler A-Z a-z, rakamlar ve _; rakamla "
                   "başlamaz): \"%1\".")
            .arg(*options.name);
    }
    if (options.saveBmp && (several || options.frames))
        return QStringLiteral(
            "--save-bmp yalnız tek bir resimle, --frames olmadan kullanılabilir.");
    if (options.saveBmp && options.check)
        return QStringLiteral("--check ile --save-bmp birlikte kullanılamaz.");
    return writingProblem(options);
}

}  // namespace

int runPicture(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (const std::optional<QString> problem = pictureUsageProblem(options))
        return usage(err, *problem);
    const PictureSettingsOptions settings = pictureSettingsFrom(options);
    if (!settings.usageError.isEmpty())
        return usage(err, settings.usageError);
    PictureBatchRequest request;
    request.paths = options.inputs;
    request.name = options.name.value_or(QString());
    request.everyFrame = options.frames;
    PictureRoadRequest& road = request.road;
    road.settings = settings.settings;
    road.target = readTargetSize(options.width.value_or(QString::number(TargetSize{}.width)),
                                 options.height.value_or(QString::number(TargetSize{}.height)));
    road.invert = options.invert;
    road.format = withOverrides(road.format, options.targetFormat());
    EventYield none;
    const PictureBatchOutcome outcome = runPictureBatch(request, openPictureFrames, none);
    // Every check of every picture comes before anything is written.
    if (!outcome.failure.isEmpty()) {
        tell(err, errorTitle(), outcome.failure);
        return Failed;
    }
    if (options.saveBmp) {
        // A BMP whatever the name's extension, as "Resmi Kaydet" writes it; when it cannot
        // be written, nothing else is.
        try {
            savePicture(outcome.target, "BMP", *options.saveBmp);
        } catch (const RunError& error) {
            tell(err, error);
            return Failed;
        }
    }
    if (outcome.incompleteLine)
        tellIncompleteLine(err);
    return writeText(options, outcome.text, out, err) ? Done : Failed;
}

}  // namespace pixmint::cli
