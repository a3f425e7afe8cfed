#include "cli_commands.h"
#include "cli_options.h"
#include "event_yield.h"
#include "recode_road.h"
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
    const std::optional<QString> text = readInclude(*options.input, err);
    if (!text)
        return Failed;
    RecodeRequest request = recodeRequest(options, *text);
    // The target group starts from the presets of "Asm", as the window shows it, 16 numbers
    // to a line.
    FormatOverrides targetOptions = options.targetFormat();
    targetOptions.numbersPerLine = QStringLiteral("16");
    request.target = withOverrides(presetFormat(QStringLiteral("Asm")), targetOptions);

    EventYield none;
    const RecodeOutcome outcome = runRecodeRoad(request, none);
    tell(err, outcome.beforeText);
    if (!outcome.laidOut)
        return Failed;
    tell(err, outcome.afterText);
    return writeText(options, outcome.code.text, out, err) ? Done : Failed;
}

}  // namespace pixmint::cli
