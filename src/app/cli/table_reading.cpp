#include "table_reading.h"

#include "cli_options.h"
#include "cli_output.h"
#include "format_detection.h"
#include "smart_reading.h"

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

NumberFormat sourceFormat(const CliOptions& options, const QString& text)
{
    return withOverrides(withDetectedFormat(presetFormat(QStringLiteral("Asm")), text),
                         options.sourceFormat());
}

std::optional<QStringList> smartTable(const CliOptions& options, const QString& text,
                                      std::ostream& err)
{
    const TableChoice choice = options.table ? tableChoiceFrom(*options.table) : TableChoice();
    ChosenTable chosen = chooseTable(findTables(text), choice);
    if (!chosen.failure.isEmpty()) {
        tell(err, errorTitle(), chosen.failure);
        return std::nullopt;
    }
    if (!chosen.leftOut.isEmpty())
        tell(err, errorTitle(), chosen.leftOut);
    return std::move(chosen.entries);
}

}  // namespace pixmint::cli
