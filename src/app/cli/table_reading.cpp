#include "table_reading.h"

#include "cli_options.h"
#include "format_detection.h"

namespace pixmint::cli {

std::optional<QString> readingOptionsProblem(const CliOptions& options)
{
    if (options.table && !options.smart)
        return QStringLiteral("--table yalnız --smart ile verilir.");
    const FormatOverrides from = options.sourceFormat();
    const bool fromGiven =
        from.language || from.command || from.prefix || from.suffix || from.separator;
    if (options.smart && fromGiven)
        return QStringLiteral("--smart ile --from-* seçenekleri birlikte verilmez.");
    return std::nullopt;
}

RecodeRequest recodeRequest(const CliOptions& options, const QString& text)
{
    RecodeRequest request;
    request.text = text;
    request.commentPath = options.input.value_or(QString());
    request.smart = options.smart;
    if (options.smart) {
        request.choice = options.table ? tableChoiceFrom(*options.table) : TableChoice();
    } else {
        request.source = withOverrides(
            withDetectedFormat(presetFormat(QStringLiteral("Asm")), text), options.sourceFormat());
    }
    request.invert = options.invert;
    return request;
}

}  // namespace pixmint::cli
