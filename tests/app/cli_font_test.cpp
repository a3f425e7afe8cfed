#include "cli_run.h"
#include "font_road.h"
#include "font_sample.h"
#include "form5.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
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
                     kUsage + QStringLiteral("Uyarı: Yazı tipinde bulunmayan karakterler: 一")}),
    [](const auto& tested) { return std::string(tested.param.name); });

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
