#include "cli_commands.h"
#include "common_options.h"
#include "font_recognisers.h"
#include "font_road.h"
#include "font_sample.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "recode_road.h"
#include "run_error.h"
#include "table_drawing.h"
#include "table_reading.h"

#include <algorithm>
#include <sstream>

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

// The GFXfont record of the table that smart reading takes (the largest, or --table's); -1
// when that table belongs to no GFX font.
qsizetype chosenGfxRecord(const CommandLine& line, const QList<FoundTable>& tables)
{
    const std::optional<QString> table = line.text(QStringLiteral("table"));
    if (!table)
        return gfxFontTable(tables, largestTable(tables));
    const TableChoice choice = tableChoiceFrom(*table);
    if (choice.kind == TableChoice::Kind::All)
        return -1;
    qsizetype index = choice.index;
    if (choice.kind == TableChoice::Kind::Name) {
        index = std::find_if(tables.cbegin(), tables.cend(),
                             [&](const FoundTable& t) { return t.name == choice.name; }) -
                tables.cbegin();
    }
    return gfxFontTable(tables, index);
}

// The glyph sheet of the Adafruit GFX font that smart reading takes: every glyph in a grid,
// --width not needed. Nothing when the table is no GFX font's; the usual road then reads
// and reports the file.
std::optional<int> renderedGlyphSheet(const CommandLine& line, std::ostream& err)
{
    const std::optional<QString> output = line.text(QStringLiteral("output"));
    const Checked<int> scale = line.number(QStringLiteral("scale"), kDefaultScale);
    if (!line.isSet(QStringLiteral("smart")) || !output || !scale.ok())
        return std::nullopt;
    std::ostringstream unheard;
    const std::optional<QString> text = readInclude(*line.input(), unheard);
    const qsizetype record = text ? chosenGfxRecord(line, findTables(*text)) : -1;
    if (record < 0)
        return std::nullopt;
    FontRoadRequest request;
    FontSource& source = request.glyphs.source;
    source.path = *line.input();
    source.data = text->toLatin1();
    source.includeFile = true;
    source.table = QString::number(record);
    request.format = FontFormat::Gfx;
    request.textFormat = presetFormat(QStringLiteral("C"));
    const FontRoadOutcome outcome = runFontRoad(request);
    if (!outcome.failure.isEmpty()) {
        tell(err, errorTitle(), outcome.failure);
        return Failed;
    }
    try {
        savePicture(blackOnWhite(glyphSheet(outcome.tables), scale.value()), "PNG", *output);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }
    return Done;
}

int runRender(const CommandLine& line, std::ostream& /*out*/, std::ostream& err)
{
    const std::optional<QString> input = line.input();
    if (!input)
        return usage(err, QStringLiteral("render bir girdi dosyası ister."));
    if (const std::optional<int> drawn = renderedGlyphSheet(line, err))
        return *drawn;
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
                        "çizer. --smart ile alınan tablo bir Adafruit GFX yazı tipininse "
                        "(GFXfont kaydı ya da dizilerinden biri) yazı tipinin bütün "
                        "karakterlerini bir ızgarada çizer; --width gerekmez.")},
    };
    command.options = renderOptions();
    command.run = runRender;
    return command;
}

}  // namespace pixmint::cli
