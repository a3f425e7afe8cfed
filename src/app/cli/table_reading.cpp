#include "table_reading.h"

#include "cli_output.h"
#include "common_options.h"
#include "format_detection.h"

namespace pixmint::cli {

std::optional<QString> readingOptionsProblem(const CommandLine& line)
{
    const bool smart = line.isSet(QStringLiteral("smart"));
    if (line.isSet(QStringLiteral("table")) && !smart)
        return QStringLiteral("--table yalnız --smart ile verilir.");
    const FormatOverrides from = sourceFormat(line);
    const bool fromGiven =
        from.language || from.command || from.prefix || from.suffix || from.separator;
    if (smart && fromGiven)
        return QStringLiteral("--smart ile --from-* seçenekleri birlikte verilmez.");
    return std::nullopt;
}

RecodeRequest recodeRequest(const CommandLine& line, const QString& text)
{
    RecodeRequest request;
    request.text = text;
    request.commentPath = line.input().value_or(QString());
    request.smart = line.isSet(QStringLiteral("smart"));
    if (request.smart) {
        const std::optional<QString> table = line.text(QStringLiteral("table"));
        request.choice = table ? tableChoiceFrom(*table) : TableChoice();
    } else {
        // The source group as "Aç" leaves it: the first language's presets, then detection.
        request.source = withOverrides(
            withDetectedFormat(presetFormat(languages().front().name), text), sourceFormat(line));
    }
    request.invert = line.isSet(QStringLiteral("invert"));
    return request;
}

QString guessDescription(const LayoutGuess& guess, qint64 skip)
{
    return QStringLiteral("--layout %1 --width %2 --skip %3 (%4 × %5)")
        .arg(layoutRecord(guess.layout).option)
        .arg(guess.width)
        .arg(skip + guess.skip)
        .arg(guess.width)
        .arg(guess.height);
}

std::optional<DrawnTable> readTableToDraw(const CommandLine& line, const QString& input,
                                          qint64 skip, std::ostream& err)
{
    const std::optional<QString> text = readInclude(input, err);
    if (!text)
        return std::nullopt;
    DrawnTable table = tableToDraw(recodeRequest(line, *text), skip);
    tell(err, table.messages);
    if (table.failed)
        return std::nullopt;
    return table;
}

}  // namespace pixmint::cli
