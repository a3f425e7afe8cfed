#include "cli_commands.h"
#include "common_options.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "recode_road.h"
#include "run_error.h"
#include "table_drawing.h"
#include "table_reading.h"

namespace pixmint::cli {
namespace {

OptionSpec numberOption(const char* name, const char* valueName, const QString& help, int least,
                        std::optional<int> most, const QString& defaultText)
{
    OptionSpec option = valueOption(name, valueName, help, defaultText);
    option.type = OptionType::WholeNumber;
    option.least = least;
    option.most = most;
    return option;
}

constexpr int kDefaultScale = 1;
constexpr int kDefaultSkip = 0;

QList<OptionSpec> renderOptions()
{
    QList<OptionSpec> options = {
        numberOption("width", "EN",
                     QStringLiteral("tablonun sütun sayısı, 1-%1 (zorunlu; varsayılanı yok)")
                         .arg(kMaxDrawingWidth),
                     1, kMaxDrawingWidth, QString()),
    };
    options << sourceFormatOptions() << smartReadingOptions()
            << numberOption("skip", "N",
                            QStringLiteral("tablonun başındaki resim olmayan N sayıyı atlar, "
                                           "örneğin en ve yükseklik"),
                            0, std::nullopt, QString::number(kDefaultSkip))
            << invertOption(QStringLiteral("her sayıyı tersler"))
            << numberOption("scale", "K",
                            QStringLiteral("her pikseli K × K çizer, 1-%1").arg(kMaxDrawingScale),
                            1, kMaxDrawingScale, QString::number(kDefaultScale))
            << outputOption(QStringLiteral("ÇIKTI.png"),
                            QStringLiteral("çizilen PNG resmi (zorunlu; varsayılanı yok)"),
                            QString())
            << layoutOption(QStringLiteral("tablonun bayt düzeni"));
    return options;
}

int runRender(const CommandLine& line, std::ostream& /*out*/, std::ostream& err)
{
    const std::optional<QString> input = line.input();
    if (!input)
        return usage(err, QStringLiteral("render bir girdi dosyası ister."));
    if (!line.isSet(QStringLiteral("width")))
        return usage(err, QStringLiteral("render --width ister."));
    const std::optional<QString> output = line.text(QStringLiteral("output"));
    if (!output)
        return usage(err, QStringLiteral("render --output ister (PNG dosyası)."));
    const Checked<int> width = line.number(QStringLiteral("width"), 0);
    const Checked<int> scale = line.number(QStringLiteral("scale"), kDefaultScale);
    const Checked<int> skip = line.number(QStringLiteral("skip"), kDefaultSkip);
    for (const Checked<int>* number : {&width, &scale, &skip}) {
        if (!number->ok())
            return usage(err, number->failure());
    }
    if (const std::optional<QString> problem = readingOptionsProblem(line))
        return usage(err, *problem);
    const Checked<ByteLayout> layout = layoutFrom(line);
    if (!layout.ok())
        return usage(err, layout.failure());

    const std::optional<QString> text = readInclude(*input, err);
    if (!text)
        return Failed;
    const DrawnTable table = tableToDraw(recodeRequest(line, *text), skip.value());
    tell(err, table.messages);
    if (table.failed)
        return Failed;
    const Checked<QImage> drawing =
        drawTable(table.bytes, width.value(), scale.value(), layout.value());
    if (!drawing.ok()) {
        tell(err, errorTitle(), drawing.failure());
        return Failed;
    }
    try {
        savePicture(drawing.value(), "PNG", *output);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }
    return Done;
}

}  // namespace

Command renderCommand()
{
    Command command;
    command.name = QStringLiteral("render");
    command.usages = {
        {QStringLiteral("GİRDİ --width EN --output ÇIKTI.png [seçenekler]"),
         QStringLiteral("Bir include dosyasındaki bayt tablosunu siyah-beyaz PNG resmi olarak "
                        "çizer.")},
    };
    command.options = renderOptions();
    command.run = runRender;
    return command;
}

}  // namespace pixmint::cli
