#include "cli_commands.h"
#include "common_options.h"
#include "font_road.h"
#include "font_sample.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "run_error.h"
#include "table_naming.h"

#include <QRegularExpression>

namespace pixmint::cli {
namespace {

const QString kDefaultSample = QStringLiteral("Merhaba Dünya 123");

QString listed(QStringList words)
{
    const QString last = words.takeLast();
    return words.isEmpty() ? last
                           : words.join(QStringLiteral(", ")) + QStringLiteral(" veya ") + last;
}

template <typename Record>
QStringList recordWords(const QList<Record>& records)
{
    QStringList words;
    for (const Record& record : records)
        words << record.option;
    return words;
}

template <typename Record>
OptionSpec recordOption(const char* name, const char* valueName, const QString& help,
                        const QList<Record>& records)
{
    OptionSpec option;
    option.name = QString::fromLatin1(name);
    option.type = OptionType::Choice;
    option.valueName = QString::fromUtf8(valueName);
    option.words = recordWords(records);
    QStringList explained;
    for (const Record& record : records)
        explained << QStringLiteral("%1 (\"%2\")").arg(record.option, record.text);
    option.help = help + QStringLiteral(": ") + listed(explained);
    option.defaultText = records.front().option;
    return option;
}

// The record a word names, or the usage error; nothing when the option was not given.
template <typename Record>
Checked<std::optional<Record>> recordNamed(const CommandLine& line, const char* name,
                                           const QList<Record>& records)
{
    const std::optional<QString> given = line.text(QString::fromLatin1(name));
    if (!given)
        return std::optional<Record>();
    for (const Record& record : records) {
        if (record.option == *given)
            return std::optional<Record>(record);
    }
    return Checked<std::optional<Record>>::failed(
        QStringLiteral("--%1 %2 olmalı: \"%3\".")
            .arg(QLatin1String(name), listed(recordWords(records)), *given));
}

QList<OptionSpec> sourceOptions()
{
    return {
        valueOption("family", "AİLE",
                    QStringLiteral("dosya yerine kurulu yazı tipi ailesi (fontconfig'in bulduğu)"),
                    QStringLiteral("yok")),
        valueOption("style", "BİÇEM", QStringLiteral("ailenin biçemi (Bold, Italic, ...)"),
                    QStringLiteral("ailenin normal biçemi")),
        numberOption("face", "N", QStringLiteral("yazı tipi koleksiyonunun (.ttc) yüzü, 0'dan"), 0,
                     std::nullopt, QStringLiteral("0")),
        valueOption("from-include", "DOSYA",
                    QStringLiteral("yazı tipi dosyası yerine bir include dosyasındaki yazı tipi: "
                                   "Adafruit GFX yazı tipi ya da karakter boyutu belli (veya "
                                   "--cell ile verilen) bir tablo"),
                    QStringLiteral("yok")),
        valueOption("table", "SIRA|AD",
                    QStringLiteral("--from-include'da yazı tipinin tablosu: tables'ın verdiği "
                                   "sıra ya da ad"),
                    QStringLiteral("ilk GFX yazı tipi, yoksa ilk hücreli yazı tipi")),
    };
}

QList<OptionSpec> sizeOptions()
{
    return {
        numberOption("size", "S",
                     QStringLiteral("boyut, em başına piksel, 1-%1; bitmap yazı tipinde "
                                    "boyutlarından biri")
                         .arg(kMaxFontSize),
                     1, kMaxFontSize, QStringLiteral("8; bitmap yazı tipinde ilk boyutu")),
        numberOption("fit-height", "H",
                     QStringLiteral("boyut yerine: seçilen karakterlerin H satıra sığdığı en "
                                    "büyük boyut, 1-%1; hücre H satır olur")
                         .arg(kMaxFontSize),
                     1, kMaxFontSize, QStringLiteral("yok")),
        valueOption("cell", "ENxYÜKSEKLİK",
                    QStringLiteral("sabit hücre, her kenarı 1-%1 (5x7)").arg(kMaxCellSide),
                    QStringLiteral("karakterlere göre")),
    };
}

QList<OptionSpec> characterOptions()
{
    return {
        valueOption("chars", "LİSTE",
                    QStringLiteral("virgülle ayrılmış kodlar ve A-B aralıkları; kod ondalık, "
                                   "0x... ya da U+... (32-126,0x11E)"),
                    QStringLiteral("yok")),
        valueOption("text", "METİN", QStringLiteral("metnin karakterleri, her biri bir kez"),
                    QStringLiteral("yok")),
        recordOption("charset", "KÜME",
                     QStringLiteral("karakter kümesi; cp1254'te kod Windows-1254 baytıdır"),
                     charsetRecords()),
        numberOption("threshold", "N",
                     QStringLiteral("yumuşatılmış çizim: kaplaması N'den büyük piksel koyu, "
                                    "0-%1")
                         .arg(kMaxThreshold),
                     0, kMaxThreshold, QStringLiteral("tek bitlik çizim")),
    };
}

QList<OptionSpec> fontOptions()
{
    QList<OptionSpec> options = sourceOptions() + sizeOptions() + characterOptions();
    options << recordOption("format", "BİÇİM", QStringLiteral("tablo biçimi"), fontFormatRecords())
            << layoutOption(QStringLiteral("bayt düzeni (cells, widths; gfx'in kendi düzeni var)"))
            << displayOptions();
    QList<OptionSpec> format = targetFormatOptions(true);
    for (OptionSpec& option : format) {
        if (option.name == QStringLiteral("columns"))
            option.help = QStringLiteral(
                "gfx bit eşleminde satır başına sayı; cells ve widths "
                "her karakteri bir satıra yazar");
    }
    options << format
            << valueOption("name", "AD", QStringLiteral("tablo adı: harfler, rakamlar, _"),
                           QStringLiteral("aile, biçem ve boyut: DejaVuSansMono_8"))
            << outputOption(QStringLiteral("DOSYA"),
                            QStringLiteral("kod metninin yazılacağı dosya"))
            << writingOptions()
            << valueOption("sample", "METİN", QStringLiteral("--save-png'nin çizeceği örnek metin"),
                           kDefaultSample)
            << valueOption("save-png", "DOSYA",
                           QStringLiteral("örnek metni tablolardan, ekranın göstereceği gibi PNG "
                                          "olarak çizer"),
                           QStringLiteral("çizilmez"));
    return options;
}

// The usage error of the source options, or nothing.
std::optional<QString> sourceProblem(const CommandLine& line)
{
    const bool family = line.isSet(QStringLiteral("family"));
    const bool include = line.isSet(QStringLiteral("from-include"));
    if (family && line.input())
        return QStringLiteral("Bir yazı tipi dosyası ya da --family verin, ikisi birden değil.");
    if (include && (family || line.input()))
        return QStringLiteral(
            "--from-include bir yazı tipi dosyası ya da --family ile birlikte verilmez.");
    if (line.isSet(QStringLiteral("table")) && !include)
        return QStringLiteral("--table yalnız --from-include ile kullanılabilir.");
    return std::nullopt;
}

// The usage error of the options that cannot go together, or nothing.
std::optional<QString> fontUsageProblem(const CommandLine& line)
{
    const bool family = line.isSet(QStringLiteral("family"));
    if (std::optional<QString> problem = sourceProblem(line))
        return problem;
    if (line.isSet(QStringLiteral("style")) && !family)
        return QStringLiteral("--style yalnız --family ile kullanılabilir.");
    if (line.isSet(QStringLiteral("face")) &&
        (family || line.isSet(QStringLiteral("from-include"))))
        return QStringLiteral("--face yalnız bir yazı tipi dosyasıyla kullanılabilir.");
    if (line.isSet(QStringLiteral("size")) && line.isSet(QStringLiteral("fit-height")))
        return QStringLiteral("--size ile --fit-height birlikte kullanılamaz.");
    int choices = 0;
    for (const char* option : {"chars", "text", "charset"})
        choices += line.isSet(QString::fromLatin1(option)) ? 1 : 0;
    if (choices > 1)
        return QStringLiteral("--chars, --text ve --charset'ten yalnız biri verilebilir.");
    const std::optional<QString> name = line.text(QStringLiteral("name"));
    if (name && !isTableIdentifier(*name)) {
        return QStringLiteral(
                   "--name bir ad olmalı (harfler A-Z a-z, rakamlar ve _; rakamla "
                   "başlamaz): \"%1\".")
            .arg(*name);
    }
    if (line.isSet(QStringLiteral("sample")) && !line.isSet(QStringLiteral("save-png")))
        return QStringLiteral("--sample yalnız --save-png ile kullanılabilir.");
    if (line.isSet(QStringLiteral("save-png")) && line.isSet(QStringLiteral("check")))
        return QStringLiteral("--check ile --save-png birlikte kullanılamaz.");
    return writingProblem(line);
}

// A cell "WxH"; the sides are checked by the road.
Checked<std::optional<QSize>> cellFrom(const CommandLine& line)
{
    const std::optional<QString> given = line.text(QStringLiteral("cell"));
    if (!given)
        return std::optional<QSize>();
    static const QRegularExpression cell(
        QStringLiteral("^\\s*(\\d{1,6})\\s*[xX×]\\s*(\\d{1,6})\\s*$"));
    const QRegularExpressionMatch match = cell.match(*given);
    if (!match.hasMatch()) {
        return Checked<std::optional<QSize>>::failed(
            QStringLiteral("--cell ENxYÜKSEKLİK olmalı (5x7): \"%1\".").arg(*given));
    }
    return std::optional<QSize>(QSize(match.captured(1).toInt(), match.captured(2).toInt()));
}

// The request that the options ask for, or the usage error of a value.
Checked<FontRoadRequest> fontRequestFrom(const CommandLine& line)
{
    FontRoadRequest request;
    FontGlyphRequest& glyphs = request.glyphs;
    glyphs.source.path = line.input().value_or(QString());
    if (const std::optional<QString> include = line.text(QStringLiteral("from-include"))) {
        glyphs.source.path = *include;
        glyphs.source.includeFile = true;
        glyphs.source.table = line.text(QStringLiteral("table")).value_or(QString());
    }
    glyphs.source.family = line.text(QStringLiteral("family")).value_or(QString());
    glyphs.source.style = line.text(QStringLiteral("style")).value_or(QString());
    const Checked<int> face = line.number(QStringLiteral("face"), 0);
    const Checked<int> size = line.number(QStringLiteral("size"), 0);
    const Checked<int> fit = line.number(QStringLiteral("fit-height"), 0);
    const Checked<int> threshold = line.number(QStringLiteral("threshold"), 0);
    const Checked<std::optional<QSize>> cell = cellFrom(line);
    const auto charset = recordNamed(line, "charset", charsetRecords());
    const auto format = recordNamed(line, "format", fontFormatRecords());
    const Checked<DisplayChoice> display = displayFrom(line);
    const Checked<ByteLayout> layout = layoutFrom(line, display);
    for (const QString& failure :
         {face.failure(), size.failure(), fit.failure(), threshold.failure(), cell.failure(),
          charset.failure(), format.failure(), layout.failure(), display.failure()}) {
        if (!failure.isEmpty())
            return Checked<FontRoadRequest>::failed(failure);
    }
    glyphs.source.face = face.value();
    if (line.isSet(QStringLiteral("size")))
        glyphs.size = size.value();
    if (line.isSet(QStringLiteral("fit-height")))
        glyphs.fitHeight = fit.value();
    if (line.isSet(QStringLiteral("threshold")))
        glyphs.threshold = threshold.value();
    glyphs.cell = cell.value();
    if (const std::optional<QString> list = line.text(QStringLiteral("chars")))
        glyphs.characters = {CharacterChoice::Kind::List, Charset::Ascii, *list};
    else if (const std::optional<QString> text = line.text(QStringLiteral("text")))
        glyphs.characters = {CharacterChoice::Kind::Text, Charset::Ascii, *text};
    else if (charset.value())
        glyphs.characters.charset = charset.value()->charset;
    if (format.value())
        request.format = format.value()->format;
    request.layout = layout.value();
    request.polarity = display->polarity;
    request.textFormat = withOverrides(request.textFormat, targetFormat(line));
    request.name = line.text(QStringLiteral("name")).value_or(QString());
    return request;
}

// Draws the sample from the tables into the PNG file; false after saying why not.
bool saveSample(const CommandLine& line, const FontTables& tables, std::ostream& err)
{
    const QString path = *line.text(QStringLiteral("save-png"));
    const QString sample = line.text(QStringLiteral("sample")).value_or(kDefaultSample);
    const QImage picture = blackOnWhite(sampleDrawing(tables, sample));
    if (picture.isNull()) {
        tell(err, errorTitle(),
             QStringLiteral("Örnek metnin hiçbir karakteri tabloda yok: \"%1\".").arg(sample));
        return false;
    }
    try {
        savePicture(picture, "PNG", path);
    } catch (const RunError& error) {
        tell(err, error);
        return false;
    }
    return true;
}

int runFont(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (asksForDisplayList(line))
        return writeDisplayList(out);
    if (const std::optional<QString> problem = fontUsageProblem(line))
        return usage(err, *problem);
    const Checked<FontRoadRequest> request = fontRequestFrom(line);
    if (!request.ok())
        return usage(err, request.failure());
    const FontRoadOutcome outcome = runFontRoad(request.value());
    const QString failure = outcome.failure.isEmpty() ? outcome.code.failure : outcome.failure;
    if (!failure.isEmpty()) {
        tell(err, errorTitle(), failure);
        return Failed;
    }
    // The picture first: when it cannot be written, nothing else is.
    if (line.isSet(QStringLiteral("save-png")) && !saveSample(line, outcome.tables, err))
        return Failed;
    for (const QString& warning : outcome.warnings)
        tell(err, QStringLiteral("Uyarı"), warning);
    return writeText(line, outcome.code.code.text, out, err) ? Done : Failed;
}

}  // namespace

Command fontCommand()
{
    Command command;
    command.name = QStringLiteral("font");
    command.usages = {
        {QStringLiteral("GİRDİ [seçenekler]"),
         QStringLiteral("Bir yazı tipi dosyasının (TrueType, OpenType, BDF, PCF, .pcf.gz, .fon) "
                        "karakterlerini tablolara dönüştürür ve kod metnini yazar (\"Yazı "
                        "Tipi\" penceresindeki \"Dönüştür\").")},
        {QStringLiteral("--family AİLE [--style BİÇEM] [seçenekler]"),
         QStringLiteral("Aynısını kurulu bir yazı tipi ailesiyle yapar.")},
        {QStringLiteral("--from-include DOSYA [--table SIRA|AD] [--cell ENxYÜKSEKLİK] "
                        "[seçenekler]"),
         QStringLiteral("Aynısını bir include dosyasındaki yazı tipiyle yapar: Adafruit GFX "
                        "yazı tipi ya da hücreli yazı tipi (karakter boyutu adında, yorumunda "
                        "ya da baştaki sayılarda belli, ya da --cell ile verilen; sütun "
                        "baytları, pages-lsb-top).")},
    };
    command.options = fontOptions();
    command.run = runFont;
    return command;
}

}  // namespace pixmint::cli
