#include "cli_commands.h"
#include "cli_options.h"
#include "format_detection.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "recoding.h"
#include "run_error.h"
#include "table_drawing.h"

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

}  // namespace

int runRender(const CliOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("render bir girdi dosyası ister."));
    if (!options.width)
        return usage(err, QStringLiteral("render --width ister."));
    if (!options.output)
        return usage(err, QStringLiteral("render --output ister (PNG dosyası)."));
    const std::optional<int> width = plainNumber(*options.width);
    if (const auto problem = rangeProblem("width", width, kMaxDrawingWidth, *options.width))
        return usage(err, *problem);
    const QString scaleText = options.scale.value_or(QStringLiteral("1"));
    const std::optional<int> scale = plainNumber(scaleText);
    if (const auto problem =
            rangeProblem("scale", scale, kMaxDrawingScale, options.scale.value_or(QString())))
        return usage(err, *problem);
    const LayoutOption layout = layoutFrom(options);
    if (!layout.usageError.isEmpty())
        return usage(err, layout.usageError);

    const std::optional<QString> text = readInclude(*options.input, err);
    if (!text)
        return Failed;
    const NumberFormat source = withOverrides(
        withDetectedFormat(presetFormat(QStringLiteral("Asm")), *text), options.sourceFormat());
    // A CCS table line ends with a separator, so the extraction gives an empty entry after
    // each line's numbers. An empty entry is no number and holds no pixels: drawing it as 0
    // would shift every later column, so empty entries are left out before inverting.
    QStringList table;
    Kodu_dönüştür(*text, source, table, false);
    table.removeAll(QString());
    if (options.invert)
        invertEntries(table);

    const TableDrawing drawing = drawTable(table, *width, *scale, layout.layout);
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
