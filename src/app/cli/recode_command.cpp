#include "cli_commands.h"
#include "common_options.h"
#include "event_yield.h"
#include "recode_road.h"
#include "table_reading.h"

namespace pixmint::cli {
namespace {

// The numbers a line of recode's text holds, as in the converter window.
const QString kRecodeNumbersPerLine = QStringLiteral("16");

int runRecode(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::optional<QString> input = line.input();
    if (!input)
        return usage(err, QStringLiteral("recode bir girdi dosyası ister."));
    if (const std::optional<QString> problem = readingOptionsProblem(line))
        return usage(err, *problem);
    if (const std::optional<QString> problem = writingProblem(line))
        return usage(err, *problem);
    const std::optional<QString> text = readInclude(*input, err);
    if (!text)
        return Failed;
    RecodeRequest request = recodeRequest(line, *text);
    // The target group starts from the presets of the first language, as the window shows
    // it, 16 numbers to a line.
    FormatOverrides targetOptions = targetFormat(line);
    targetOptions.numbersPerLine = kRecodeNumbersPerLine;
    request.target = withOverrides(presetFormat(languages().front().name), targetOptions);

    EventYield none;
    const RecodeOutcome outcome = runRecodeRoad(request, none);
    tell(err, outcome.beforeText);
    if (!outcome.laidOut)
        return Failed;
    tell(err, outcome.afterText);
    return writeText(line, outcome.code.text, out, err) ? Done : Failed;
}

}  // namespace

Command recodeCommand()
{
    Command command;
    command.name = QStringLiteral("recode");
    command.usages = {
        {QStringLiteral("GİRDİ [seçenekler]"),
         QStringLiteral("Bir include dosyasının sayılarını başka bir dile ve sayı biçimine "
                        "çevirir (dönüştürücü penceresindeki \"Aç\" ve \"Dönüştür\"; --invert ile "
                        "\"Tersle\"). Satır başına %1 sayı yazılır (Asm ile Retlw'de bir sayı).")
             .arg(kRecodeNumbersPerLine)},
    };
    command.options << sourceFormatOptions() << smartReadingOptions() << targetFormatOptions(false)
                    << invertOption(QStringLiteral("her sayıyı 8 bitlik tümleyeniyle değiştirir"))
                    << outputOption(QStringLiteral("DOSYA"),
                                    QStringLiteral("kod metninin yazılacağı dosya"))
                    << writingOptions();
    command.run = runRecode;
    return command;
}

}  // namespace pixmint::cli
