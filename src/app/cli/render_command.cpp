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

constexpr int kDefaultScale = 1;

QList<OptionSpec> renderOptions()
{
    QList<OptionSpec> options = {
        numberOption("width", "EN",
                     QStringLiteral("tablonun sütun sayısı, 1-%1, ya da auto: düzen bulucunun "
                                    "en iyi bulduğu (zorunlu; varsayılanı yok)")
                         .arg(kMaxDrawingWidth),
                     1, kMaxDrawingWidth, QString()),
    };
    OptionSpec layout = layoutOption(QStringLiteral("tablonun bayt düzeni"));
    layout.words << kAuto;
    layout.help += QStringLiteral(" (auto: düzen bulucunun en iyi bulduğu)");
    options << sourceFormatOptions() << smartReadingOptions() << skipOption()
            << invertOption(QStringLiteral("her sayıyı tersler"))
            << numberOption("scale", "K",
                            QStringLiteral("her pikseli K × K çizer, 1-%1").arg(kMaxDrawingScale),
                            1, kMaxDrawingScale, QString::number(kDefaultScale))
            << outputOption(QStringLiteral("ÇIKTI.png"),
                            QStringLiteral("çizilen PNG resmi (zorunlu; varsayılanı yok)"),
                            QString())
            << layout;
    return options;
}

// Saves a drawing as PNG; Done, or Failed after saying why.
int savedPng(const QImage& drawing, const QString& output, std::ostream& err)
{
    try {
        savePicture(drawing, "PNG", output);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }
    return Done;
}

// The reading render draws: the layout and the width given, or with "auto" the finder's
// best reading that agrees with the one given (its leading bytes left out); nothing after
// saying why not.
struct Reading {
    Bytes bytes;
    int width = 0;
    ByteLayout layout = ByteLayout::PagesLsbTop;
};

std::optional<Reading> chosenReading(DrawnTable&& table, std::optional<int> width,
                                     std::optional<ByteLayout> layout, qint64 skip,
                                     std::ostream& err)
{
    if (width && layout)
        return Reading{std::move(table.bytes), *width, *layout};
    for (const LayoutGuess& guess : findLayouts(table.bytes, table.hints)) {
        if ((width && guess.width != *width) || (layout && guess.layout != *layout))
            continue;
        tell(err, QStringLiteral("Düzen"), guessDescription(guess, skip));
        const auto first = table.bytes.begin() + guess.skip;
        return Reading{Bytes(first, table.bytes.end()), guess.width, guess.layout};
    }
    tell(err, errorTitle(), QStringLiteral("Tablonun bir düzeni bulunamadı."));
    return std::nullopt;
}

int drawReading(const Reading& reading, int scale, const QString& output, std::ostream& err)
{
    const Checked<QImage> drawing = drawTable(reading.bytes, reading.width, scale, reading.layout);
    if (!drawing.ok()) {
        tell(err, errorTitle(), drawing.failure());
        return Failed;
    }
    return savedPng(drawing.value(), output, err);
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
    return savedPng(blackOnWhite(glyphSheet(outcome.tables), scale.value()), *output, err);
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
    const bool autoWidth = line.text(QStringLiteral("width")) == kAuto;
    const Checked<int> width = line.number(QStringLiteral("width"), 0);
    const Checked<int> scale = line.number(QStringLiteral("scale"), kDefaultScale);
    const Checked<int> skip = line.number(QStringLiteral("skip"), kDefaultSkip);
    for (const Checked<int>* number : {&width, &scale, &skip}) {
        if (!number->ok() && !(number == &width && autoWidth))
            return usage(err, number->failure());
    }
    if (const std::optional<QString> problem = readingOptionsProblem(line))
        return usage(err, *problem);
    const bool autoLayout = line.text(QStringLiteral("layout")) == kAuto;
    const Checked<ByteLayout> layout = layoutFrom(line);
    if (!layout.ok() && !autoLayout)
        return usage(err, layout.failure());

    std::optional<DrawnTable> table = readTableToDraw(line, *input, skip.value(), err);
    if (!table)
        return Failed;
    const std::optional<Reading> reading = chosenReading(
        std::move(*table), autoWidth ? std::nullopt : std::optional<int>(width.value()),
        autoLayout ? std::nullopt : std::optional<ByteLayout>(layout.value()), skip.value(), err);
    return reading ? drawReading(*reading, scale.value(), *output, err) : Failed;
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
        {QStringLiteral("GİRDİ --layout auto --width auto --output ÇIKTI.png [seçenekler]"),
         QStringLiteral("Tabloyu düzen bulucunun en iyi bulduğu düzende ve ende çizer; bunları "
                        "standart hataya yazar.")},
    };
    command.options = renderOptions();
    command.run = runRender;
    return command;
}

}  // namespace pixmint::cli
