#include "cli_commands.h"
#include "cli_options.h"
#include "event_yield.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "picture_road.h"
#include "run_error.h"
#include "single_byte_text.h"

namespace pixmint::cli {

int runPicture(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const PictureSettingsOptions settings = pictureSettingsFrom(options);
    if (!settings.usageError.isEmpty())
        return usage(err, settings.usageError);
    PictureRoadRequest request;
    request.settings = settings.settings;
    request.path = options.input.value_or(QString());
    request.widthText = options.width.value_or(request.widthText);
    request.heightText = options.height.value_or(request.heightText);
    request.invert = options.invert;
    request.format = withOverrides(request.format, options.targetFormat());
    EventYield none;
    const PictureRoadOutcome outcome = runPictureRoad(
        request, [&] { return loadPicture(request.path); }, nullptr, none);
    // Every check comes before anything is written.
    const QString& failure = outcome.failure.isEmpty() ? outcome.code.failure : outcome.failure;
    if (!failure.isEmpty()) {
        tell(err, errorTitle(), failure);
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
    if (outcome.code.code.incompleteLine)
        tellIncompleteLine(err);
    return writeText(options, outcome.code.code.text, out, err) ? Done : Failed;
}

}  // namespace pixmint::cli
