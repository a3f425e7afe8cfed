#include "cli_commands.h"
#include "cli_options.h"
#include "smart_reading.h"

#include <ostream>

namespace pixmint::cli {

int runTables(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("tables bir girdi dosyası ister."));
    const std::optional<QString> text = readInclude(*options.input, err);
    if (!text)
        return Failed;
    const QList<FoundTable> tables = findTables(*text);
    if (tables.isEmpty()) {
        tell(err, errorTitle(), noTableMessage());
        return Failed;
    }
    QString listing;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const FoundTable& table = tables[i];
        listing += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                       .arg(i)
                       .arg(table.shownName(), dialectWord(table.dialect))
                       .arg(table.count)
                       .arg(table.line);
    }
    out << listing.toUtf8().constData();
    out.flush();
    return Done;
}

}  // namespace pixmint::cli
