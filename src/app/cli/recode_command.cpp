#include "cli_commands.h"
#include "cli_options.h"
#include "code_layout.h"
#include "recoding.h"
#include "table_reading.h"

namespace pixmint::cli {
namespace {

struct ReadTable {
    QStringList table;
    int notInverted = 0;  // entries --invert left as they were
};

// The table of the text: the source group as "Aç" leaves it, then the --from-* options; or
// the smart reader's choice. Inverted with --invert. Nothing, after saying why, when smart
// reading takes no table.
std::optional<ReadTable> readTable(const CliOptions& options, const QString& text,
                                   std::ostream& err)
{
    ReadTable read;
    if (!options.smart) {
        read.notInverted =
            Kodu_dönüştür(text, sourceFormat(options, text), read.table, options.invert);
        return read;
    }
    std::optional<QStringList> chosen = smartTable(options, text, err);
    if (!chosen)
        return std::nullopt;
    read.table = std::move(*chosen);
    if (options.invert)
        read.notInverted = invertEntries(read.table);
    return read;
}

}  // namespace

int runRecode(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("recode bir girdi dosyası ister."));
    if (const std::optional<QString> problem = readingOptionsProblem(options))
        return usage(err, *problem);
    if (const std::optional<QString> problem = writingProblem(options))
        return usage(err, *problem);
    const QString& path = *options.input;
    const std::optional<QString> text = readInclude(path, err);
    if (!text)
        return Failed;
    // The target group starts from the presets of "Asm", as the window shows it, 16 numbers
    // to a line.
    FormatOverrides targetOptions = options.targetFormat();
    targetOptions.numbersPerLine = QStringLiteral("16");
    const NumberFormat target = withOverrides(presetFormat(QStringLiteral("Asm")), targetOptions);

    const std::optional<ReadTable> read = readTable(options, *text, err);
    if (!read)
        return Failed;
    const int notInverted = read->notInverted;
    const CodeTextOutcome code = codeTextFor(target, read->table, path);
    if (!code.failure.isEmpty()) {
        tell(err, errorTitle(), code.failure);
        return Failed;
    }
    if (code.code.incompleteLine)
        tellIncompleteLine(err);
    if (notInverted > 0)
        tell(err, errorTitle(), notInvertedMessage(notInverted));
    return writeText(options, code.code.text, out, err) ? Done : Failed;
}

}  // namespace pixmint::cli
