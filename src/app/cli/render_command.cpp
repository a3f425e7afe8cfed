#include "cli_commands.h"
#include "cli_options.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "recode_road.h"
#include "run_error.h"
#include "table_drawing.h"
#include "table_reading.h"

namespace pixmint::cli {
namespace {

// A whole number option of render, written plainly ("8", "+8", " 8 ").
std::optional<int> plainNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The usage error of a number option out of its range, or nothing.
std::optional<QString> rangeProblem(const char* option, const std::optional<int>& value,
                                    int largest, const QString& text)
{
    if (value && *value >= 1 && *value <= largest)
        return std::nullopt;
    return QStringLiteral("--%1 1 ile %2 arasında bir tam sayı olmalı: \"%3\".")
        .arg(QLatin1String(option))
        .arg(largest)
        .arg(text);
}

// The numbers of render's options.
struct RenderNumbers {
    int width = 0;
    int scale = 1;
    int skip = 0;
};

// Reads the options' numbers; the usage problem of the first that is wrong, or nothing.
std::optional<QString> readNumbers(const CliOptions& options, RenderNumbers& numbers)
{
    const std::optional<int> width = plainNumber(*options.width);
    if (const auto problem = rangeProblem("width", width, kMaxDrawingWidth, *options.width))
        return problem;
    const QString scaleText = options.scale.value_or(QStringLiteral("1"));
    const std::optional<int> scale = plainNumber(scaleText);
    if (const auto problem =
            rangeProblem("scale", scale, kMaxDrawingScale, options.scale.value_or(QString())))
        return problem;
    const std::optional<int> skip = plainNumber(options.skip.value_or(QStringLiteral("0")));
    if (!skip || *skip < 0) {
        return QStringLiteral("--skip 0 ya da daha büyük bir tam sayı olmalı: \"%1\".")
            .arg(options.skip.value_or(QString()));
    }
    numbers = {*width, *scale, *skip};
    return std::nullopt;
}

}  // namespace

int runRender(const CliOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("render bir girdi dosyası ister."));
    if (!options.width)
        return usage(err, QStringLiteral("render --width ister."));
    if (!options.output)
        return usage(err, QStringLiteral("render --output ister (PNG dosyası)."));
    RenderNumbers numbers;
    if (const std::optional<QString> problem = readNumbers(options, numbers))
        return usage(err, *problem);
    if (const std::optional<QString> problem = readingOptionsProblem(options))
        return usage(err, *problem);
    const LayoutOption layout = layoutFrom(options);
    if (!layout.usageError.isEmpty())
        return usage(err, layout.usageError);

    const std::optional<QString> text = readInclude(*options.input, err);
    if (!text)
        return Failed;
    const DrawnTable table = tableToDraw(recodeRequest(options, *text), numbers.skip);
    tell(err, table.messages);
    if (table.failed)
        return Failed;
    const TableDrawing drawing =
        drawTable(table.bytes, numbers.width, numbers.scale, layout.layout);
    if (drawing.picture.isNull()) {
        tell(err, errorTitle(), drawing.problem);
        return Failed;
    }
    try {
        savePicture(drawing.picture, "PNG", *options.output);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }
    return Done;
}

}  // namespace pixmint::cli
