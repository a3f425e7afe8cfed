#include "cli_commands.h"
#include "cli_options.h"
#include "code_layout.h"
#include "format_detection.h"
#include "recoding.h"

namespace pixmint::cli {

int runRecode(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("recode bir girdi dosyası ister."));
    if (const std::optional<QString> problem = writingProblem(options))
        return usage(err, *problem);
    const QString& path = *options.input;
    const std::optional<QString> text = readInclude(path, err);
    if (!text)
        return Failed;
    // The source group as "Aç" leaves it, then the --from-* options; the target group starts
    // from the presets of "Asm", as the window shows it, 16 numbers to a line.
    const NumberFormat source = withOverrides(
        withDetectedFormat(presetFormat(QStringLiteral("Asm")), *text), options.sourceFormat());
    FormatOverrides targetOptions = options.targetFormat();
    targetOptions.numbersPerLine = QStringLiteral("16");
    const NumberFormat target = withOverrides(presetFormat(QStringLiteral("Asm")), targetOptions);

    QStringList table;
    const int notInverted = Kodu_dönüştür(*text, source, table, options.invert);
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
