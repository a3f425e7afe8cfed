#include "table_reading.h"

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

}  // namespace pixmint::cli
