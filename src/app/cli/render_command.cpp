#include "cli_commands.h"
#include "cli_options.h"
#include "hex_digits.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "recoding.h"
#include "run_error.h"
#include "table_drawing.h"
#include "table_reading.h"

#include <algorithm>

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

// The table read plainly, as recode reads it: its empty entries left out, then the first
// `skip` entries. An entry that is no byte is named by its number in recode's table.
std::optional<QStringList> plainTable(const CliOptions& options, const QString& text, int skip,
                                      std::ostream& err)
{
    QStringList read;
    Kodu_dönüştür(text, sourceFormat(options, text), read, false);
    QStringList entries;
    entries.reserve(read.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        const QString& entry = read[i];
        if (entry.isEmpty() || skip-- > 0)
            continue;
        if (!hexByte(entry, DigitCase::Any)) {
            tell(err, errorTitle(),
                 QStringLiteral("Girdi %1 (\"%2\") 00 ile FF arasında onaltılık bir sayı değil.")
                     .arg(i)
                     .arg(entry));
            return std::nullopt;
        }
        entries << entry;
    }
    return entries;
}

// The table to draw: read plainly or smartly, without its first `skip` entries, inverted
// with --invert. Tells why and returns nothing when there is none.
std::optional<QStringList> tableToDraw(const CliOptions& options, const QString& text, int skip,
                                       std::ostream& err)
{
    std::optional<QStringList> table;
    if (options.smart) {
        table = smartTable(options, text, err);
        if (table)
            table->remove(0, std::min<qsizetype>(skip, table->size()));
    } else {
        table = plainTable(options, text, skip, err);
    }
    if (table && options.invert)
        invertEntries(*table);
    return table;
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
    const std::optional<QStringList> table = tableToDraw(options, *text, numbers.skip, err);
    if (!table)
        return Failed;
    const TableDrawing drawing = drawTable(*table, numbers.width, numbers.scale, layout.layout);
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
