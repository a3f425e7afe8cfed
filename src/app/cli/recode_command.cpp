#include "cli_commands.h"
#include "cli_options.h"
#include "code_layout.h"
#include "recoding.h"
#include "table_reading.h"

namespace pixmint::cli {

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

    // The source group as "Aç" leaves it, then the --from-* options; or the smart reader.
    QStringList table;
    int notInverted = 0;
    if (options.smart) {
        std::optional<QStringList> chosen = smartTable(options, *text, err);
        if (!chosen)
            return Failed;
        table = std::move(*chosen);
        if (options.invert)
            notInverted = invertEntries(table);
    } else {
        notInverted = Kodu_dönüştür(*text, sourceFormat(options, *text), table, options.invert);
    }
    const CodeTextOutcome code = codeTextFor(target, table, path);
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
