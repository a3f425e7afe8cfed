#include "cli_run.h"
#include "font_road.h"
#include "font_sample.h"
#include "form5.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
#include "smart_reading.h"
#include "test_paths.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::CliResult;
using testing::runCli;

QString font(const char* name)
{
    return testing::testData(QStringLiteral("fonts/") + QString::fromUtf8(name));
}

QStringList arguments(std::initializer_list<const char*> words)
{
    QStringList list;
    for (const char* word : words)
        list << QString::fromUtf8(word);
    return list;
}

// A command line and how the tool ends: its status and the start of what it says.
struct FontLineCase {
    const char* name;
    QStringList arguments;
    int status;
    QString err;  // standard error starts so
};

void PrintTo(const FontLineCase& c, std::ostream* os)
{
    *os << c.name;
}

class FontCommandLines : public ::testing::TestWithParam<FontLineCase> {};

TEST_P(FontCommandLines, EndAsTheirOptionsAsk)
{
    const FontLineCase& c = GetParam();
    const CliResult result = runCli(c.arguments);
    EXPECT_EQ(result.status, c.status) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(c.err)) << result.err.toStdString();
    if (c.status != 0) {
        EXPECT_TRUE(result.out.isEmpty());
    }
}

QStringList withFont(const char* file, std::initializer_list<const char*> words)
{
    return QStringList{QStringLiteral("font"), font(file)} + arguments(words);
}

const QString kUsage = QStringLiteral("pixmint-cli: ");

// Adafruit GFX's classic font: a comment calls it 5x7, its descenders use the eighth row.
QString glcdFont()
{
    return testing::testData(QStringLiteral("../third_party/adafruit-gfx/glcdfont.c"));
}

QStringList fromInclude(const QString& file, std::initializer_list<const char*> words)
{
    return QStringList{QStringLiteral("font"), QStringLiteral("--from-include"), file} +
           arguments(words);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FontCommandLines,
    ::testing::Values(
        FontLineCase{"FileAndFamily", withFont("5x7.pcf.gz", {"--family", "DejaVu Sans"}), 2,
                     kUsage + QStringLiteral("Bir yazı tipi dosyası ya da --family verin")},
        FontLineCase{"StyleWithoutFamily", withFont("5x7.pcf.gz", {"--style", "Bold"}), 2,
                     kUsage + QStringLiteral("--style yalnız --family ile")},
        FontLineCase{"SizeAndFitHeight",
                     withFont("DejaVuSansMono.ttf", {"--size", "8", "--fit-height", "8"}), 2,
                     kUsage + QStringLiteral("--size ile --fit-height birlikte")},
        FontLineCase{"TwoCharacterChoices",
                     withFont("5x7.pcf.gz", {"--text", "a", "--charset", "cp1254"}), 2,
                     kUsage + QStringLiteral("--chars, --text ve --charset'ten yalnız biri")},
        FontLineCase{"SizeOver255", withFont("DejaVuSansMono.ttf", {"--size", "256"}), 2,
                     kUsage + QStringLiteral("--size 1 ile 255 arasında")},
        FontLineCase{"CellWithoutHeight", withFont("5x7.pcf.gz", {"--cell", "5"}), 2,
                     kUsage + QStringLiteral("--cell ENxYÜKSEKLİK olmalı")},
        FontLineCase{"UnknownFormat", withFont("5x7.pcf.gz", {"--format", "u8g2"}), 2,
                     kUsage + QStringLiteral("--format cells, widths veya gfx olmalı")},
        FontLineCase{"NameNoIdentifier", withFont("5x7.pcf.gz", {"--name", "1a"}), 2,
                     kUsage + QStringLiteral("--name bir ad olmalı")},
        FontLineCase{"SampleWithoutPicture", withFont("5x7.pcf.gz", {"--sample", "a"}), 2,
                     kUsage + QStringLiteral("--sample yalnız --save-png ile")},
        FontLineCase{"NoFont", arguments({"font", "--text", "a"}), 1,
                     kUsage + QStringLiteral("Hata: Önce bir yazı tipi seçin.")},
        FontLineCase{"CellTooLarge", withFont("5x7.pcf.gz", {"--cell", "2000x7"}), 1,
                     kUsage + QStringLiteral("Hata: Hücrenin eni ve yüksekliği")},
        FontLineCase{"GfxInAsm", withFont("5x7.pcf.gz", {"--format", "gfx"}), 1,
                     kUsage + QStringLiteral("Hata: Adafruit GFX biçimi yalnız C ve Arduino")},
        FontLineCase{"WarningsGoOn", withFont("5x7.pcf.gz", {"--text", "A一"}), 0,
                     kUsage + QStringLiteral("Uyarı: Yazı tipinde bulunmayan karakterler: 一")},
        // Fonts that include files hold.
        FontLineCase{"IncludeAndFile", withFont("5x7.pcf.gz", {"--from-include", "a.h"}), 2,
                     kUsage + QStringLiteral("--from-include bir yazı tipi dosyası ya da")},
        FontLineCase{"TableWithoutInclude", withFont("5x7.pcf.gz", {"--table", "0"}), 2,
                     kUsage + QStringLiteral("--table yalnız --from-include ile")},
        FontLineCase{"IncludeWithoutFont", fromInclude(font("SOURCES.md"), {}), 1,
                     kUsage + QStringLiteral("Hata: Dosyada yazı tipi bulunamadı")},
        FontLineCase{"IncludeCellDoesNotDivide", fromInclude(glcdFont(), {"--cell", "6x8"}), 1,
                     kUsage + QStringLiteral("Hata: 6x8 hücre tabloyu bölmüyor: tablo font 1280 "
                                             "bayt, bir karakter 6 bayt.")},
        FontLineCase{"IncludeCellDropsTheRowsBelowIt", fromInclude(glcdFont(), {}), 0,
                     kUsage + QStringLiteral("Uyarı: 116 piksel hücrenin dışında kaldı.")}),
    [](const auto& tested) { return std::string(tested.param.name); });

// A cell font brought back and written again in its own layout gives its table back, byte
// for byte: 256 glyphs from the code 0, each of five column bytes.
TEST(FontCommand, WritesACellFontBackAsItWas)
{
    const CliResult result = runCli(fromInclude(glcdFont(), {"--cell", "5x8", "--lang", "C"}));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QList<FoundTable> original = findTables(readSingleByteFile(glcdFont()));
    const QList<FoundTable> written = findTables(decodeWindows1254(result.out));
    ASSERT_EQ(original.size(), 1);
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(written[0].bytes, original[0].bytes);
    EXPECT_TRUE(result.out.contains("0x3E,0x5B,0x4F,0x5B,0x3E, // 0x01"));
}

// render of a GFX font draws its glyph sheet: Tom Thumb's 95 glyphs, 16 to a row, each in a
// box as wide as its widest advance (4) and the font's 6 rows, a light pixel between boxes;
// "!" (the second glyph) has its four rows of ink and a dot in the box's first column.
TEST(FontCommand, RenderDrawsAGfxFontsGlyphSheet)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("sheet.png"));
    const QString tomThumb =
        testing::testData(QStringLiteral("../third_party/adafruit-gfx/Fonts/TomThumb.h"));
    const CliResult result =
        runCli(QStringList{QStringLiteral("render"), tomThumb, QStringLiteral("--smart"),
                           QStringLiteral("--output"), png});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QImage sheet(png);
    EXPECT_EQ(sheet.size(), QSize(16 * 5 - 1, 6 * 7 - 1));
    QString exclamation;
    for (int y = 0; y < 6; ++y)
        exclamation += qGray(sheet.pixel(5, y)) < 128 ? u'#' : u'.';
    EXPECT_EQ(exclamation, QStringLiteral("###.#."));
}

// The tool writes what the road writes, with --check and --eol as for pictures, and draws
// the sample from the tables.
TEST(FontCommand, WritesTheRoadsTextAndTheSample)
{
    QTemporaryDir dir;
    const QString header = dir.filePath(QStringLiteral("font.h"));
    const QString png = dir.filePath(QStringLiteral("sample.png"));
    const QStringList line = withFont("6x13.pcf.gz", {"--charset", "cp1254", "--format", "widths",
                                                      "--layout", "rows-lsb-left", "--lang", "C"})
                             << QStringLiteral("--output") << header;
    const QStringList sampled = QStringList{QStringLiteral("--sample"), QStringLiteral("Dünya"),
                                            QStringLiteral("--save-png"), png};
    ASSERT_EQ(runCli(line + sampled).status, 0);

    FontRoadRequest request;
    request.glyphs.source.path = font("6x13.pcf.gz");
    request.glyphs.characters.charset = Charset::Windows1254;
    request.format = FontFormat::Widths;
    request.layout = ByteLayout::RowsLsbLeft;
    request.textFormat = presetFormat(QStringLiteral("C"));
    const FontRoadOutcome outcome = runFontRoad(request);
    QFile written(header);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), encodeWindows1254(outcome.code.code.text));
    QImage sample(png);
    EXPECT_EQ(sample.convertToFormat(QImage::Format_Mono),
              blackOnWhite(sampleDrawing(outcome.tables, QStringLiteral("Dünya"))));

    EXPECT_EQ(runCli(line + QStringList{QStringLiteral("--check")}).status, 0);
    const CliResult stale =
        runCli(line + QStringList{QStringLiteral("--check"), QStringLiteral("--name"),
                                  QStringLiteral("Baska")});
    EXPECT_EQ(stale.status, 1);
    EXPECT_TRUE(stale.err.endsWith(QStringLiteral("güncel değil\n"))) << stale.err.toStdString();
    ASSERT_EQ(runCli(line + QStringList{QStringLiteral("--eol"), QStringLiteral("lf")}).status, 0);
    QFile lf(header);
    ASSERT_TRUE(lf.open(QIODevice::ReadOnly));
    EXPECT_EQ(lf.readAll(), encodeWindows1254(outcome.code.code.text)
                                .replace(QByteArrayLiteral("\r\n"), QByteArrayLiteral("\n")));
}

// The window and the tool write the same bytes for the same settings.
TEST(FontCommand, WritesWhatTheWindowWrites)
{
    ProgramState state;
    testing::ScriptedDialogs dialogs;
    Form5 form(state, dialogs);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    dialogs.queueFile(font("DejaVuSansMono.ttf"));
    form.findChild<QPushButton*>(QStringLiteral("Dosyadan"))->click();
    form.findChild<QComboBox*>(QStringLiteral("Karakterler"))->setCurrentIndex(2);
    form.findChild<QComboBox*>(QStringLiteral("Biçim"))->setCurrentIndex(1);
    form.findChild<QComboBox*>(QStringLiteral("Düzen"))->setCurrentIndex(2);
    QComboBox* language = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    language->setEditText(QStringLiteral("Proton Basic"));
    Q_EMIT language->lineEdit()->textEdited(QStringLiteral("Proton Basic"));
    form.findChild<QLineEdit*>(QStringLiteral("Ayraç"))->setText(QStringLiteral(", "));
    QApplication::processEvents();
    form.findChild<QPushButton*>(QStringLiteral("Dönüştür"))->click();
    const QString shown = form.findChild<QPlainTextEdit*>(QStringLiteral("Kod"))->toPlainText();

    const CliResult tool = runCli(withFont(
        "DejaVuSansMono.ttf", {"--charset", "cp1254", "--format", "widths", "--layout",
                               "rows-msb-left", "--lang", "Proton Basic", "--separator", ", "}));
    ASSERT_EQ(tool.status, 0) << tool.err.toStdString();
    EXPECT_EQ(tool.out, encodeWindows1254(QString(shown).replace(u'\n', QStringLiteral("\r\n"))));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("'") + font("DejaVuSansMono.ttf") +
                                 QStringLiteral(", 8 piksel\nDejaVuSansMono_8:\n\tCData\t$")));
}

}  // namespace
}  // namespace pixmint
