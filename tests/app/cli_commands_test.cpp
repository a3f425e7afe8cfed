#include "cli_run.h"
#include "code_layout.h"
#include "code_texts.h"
#include "display_presets.h"
#include "fitting.h"
#include "hex_digits.h"
#include "monochrome.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "pixel_reading.h"
#include "single_byte_text.h"
#include "table_naming.h"
#include "table_procedures.h"
#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmint::cli {
namespace {

using testing::CliResult;
using testing::codeFormat;
using testing::codeText;
using testing::runCli;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList sampleTableOf(int count)
{
    QStringList table;
    for (int i = 0; i < count; ++i)
        table << twoHexDigits((i * 37 + 11) % 256);
    return table;
}

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_picture = path("sample.png");
        ASSERT_TRUE(testing::samplePicture(100, 52).save(m_picture));
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QString writeText(const char* name, const QString& text) const
    {
        const QString file = path(name);
        writeSingleByteFile(file, text);
        return file;
    }

    QTemporaryDir m_dir;
    QString m_picture;
};

// The target "Dönüştür" makes of the sample, built step by step from the routines.
QImage expectedTarget(const QString& picturePath, int width, int height, bool invert)
{
    QImage picture = loadPicture(picturePath);
    SiyahBeyazYap(picture, invert);
    return ResmiAktar(picture, QSize(width, height), true);
}

// The text "Dönüştür" makes of the sample for these settings (with a table name, the text
// of one table among several).
QString expectedPictureText(const QString& picturePath, const NumberFormat& format, int width,
                            int height, bool invert, const QString& tableName = {})
{
    QStringList table;
    BaytlaraÇevir(
        PikselleriOku(expectedTarget(picturePath, width, height, invert), width, height, false),
        table);
    return codeText(format, table, picturePath, tableName);
}

TEST_F(CliCommands, PictureChecksComeInTheWindowsOrderAndWriteNothing)
{
    const QString missing = path("missing.png");
    const QString notAPicture = writeText("words.png", QStringLiteral("no picture"));
    const QString sizeMessage = *targetSizeProblem(0, 0);
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{QStringLiteral("--width=abc"), QStringLiteral("--lang=Pascal")},
         QStringLiteral("Hata: Önce bir resim yükleyin.")},
        {{QString(), QStringLiteral("--width=abc")},
         QStringLiteral("Hata: Önce bir resim yükleyin.")},
        {{missing, QStringLiteral("--width=abc"), QStringLiteral("--lang=Pascal")},
         QStringLiteral("Hata: ") + sizeMessage},
        {{missing, QStringLiteral("--height=0")}, QStringLiteral("Hata: ") + sizeMessage},
        {{missing, QStringLiteral("--width=-8")}, QStringLiteral("Hata: ") + sizeMessage},
        {{missing, QStringLiteral("--width=16385"), QStringLiteral("--height=8")},
         QStringLiteral("Hata: ") + sizeMessage},
        {{missing, QStringLiteral("--width=4096"), QStringLiteral("--height=4104")},
         QStringLiteral("Hata: ") + sizeMessage},
        {{missing, QStringLiteral("--lang=Pascal")},
         QStringLiteral("Hata: Resim dosyası okunamadı: ") + missing},
        {{notAPicture}, QStringLiteral("Hata: Resim dosyası okunamadı: ") + notAPicture},
        {{m_picture, QStringLiteral("--lang=Pascal"), QStringLiteral("--columns=x")},
         QStringLiteral("Hata: ") + unknownLanguageMessage(QStringLiteral("Pascal"))},
        {{m_picture, QStringLiteral("--lang=Asm "), QStringLiteral("--columns=x")},
         QStringLiteral("Hata: ") + unknownLanguageMessage(QStringLiteral("Asm "))},
        {{m_picture, QStringLiteral("--columns=x")},
         QStringLiteral("Hata: ") + badNumbersPerLineMessage()},
        {{m_picture, QStringLiteral("--columns=99999999999")},
         QStringLiteral("Hata: ") + badNumbersPerLineMessage()},
    };
    const QString output = path("out.inc");
    const QString bitmap = path("out.bmp");
    for (const auto& c : cases) {
        QStringList arguments = QStringList{QStringLiteral("picture")} + c.arguments;
        arguments << QStringLiteral("--output") << output << QStringLiteral("--save-bmp") << bitmap;
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.status, Failed) << c.message.toStdString();
        EXPECT_EQ(result.err, QStringLiteral("pixmint-cli: ") + c.message + QLatin1Char('\n'));
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(QFile::exists(output)) << c.message.toStdString();
        EXPECT_FALSE(QFile::exists(bitmap)) << c.message.toStdString();
    }
}

TEST_F(CliCommands, PictureOptionsOverrideTheLanguagePresets)
{
    const struct {
        QStringList options;
        NumberFormat format;
        int width;
        int height;
        bool invert;
    } cases[] = {
        {{QStringLiteral("--lang"), QStringLiteral("PROTON BASIC"), QStringLiteral("--invert")},
         codeFormat("Proton Basic", QStringLiteral("CData"), QStringLiteral("$"), {},
                    QStringLiteral(","), 16),
         128,
         64,
         true},
        // A width or height is read as the window reads its box.
        {{QStringLiteral("--width= 40px"), QStringLiteral("--height=24.9"),
          QStringLiteral("--columns=8"), QStringLiteral("--prefix="), QStringLiteral("--suffix=h"),
          QStringLiteral("--separator=, ")},
         codeFormat("Asm", QStringLiteral("Dt"), {}, QStringLiteral("h"), QStringLiteral(", "), 8),
         40,
         24,
         false},
        // The command is used as given, also when the list has no such entry.
        {{QStringLiteral("--lang=CCS"), QStringLiteral("--command=Logo[]=")},
         codeFormat("CCS", QStringLiteral("Logo[]="), QStringLiteral("0X"), {}, QStringLiteral(","),
                    16),
         128,
         64,
         false},
        {{QStringLiteral("--command=RETLW"), QStringLiteral("--width=16"),
          QStringLiteral("--height=8")},
         codeFormat("Asm", QStringLiteral("RETLW"), QStringLiteral("0X"), {}, QStringLiteral(","),
                    16),
         16,
         8,
         false},
    };
    for (const auto& c : cases) {
        const CliResult result =
            runCli(QStringList{QStringLiteral("picture"), m_picture} + c.options);
        EXPECT_EQ(result.status, Done) << c.options.join(u' ').toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        const QString expected =
            expectedPictureText(m_picture, c.format, c.width, c.height, c.invert);
        EXPECT_EQ(result.out, encodeWindows1254(expected)) << c.options.join(u' ').toStdString();
    }
}

// A display sets the size, the layout and the polarity of its row, an option given beside
// it wins, and --display list prints the rows.
TEST_F(CliCommands, DisplaysSetWhatTheirRowsSayAndTheOptionsGivenWin)
{
    const auto picture = [this](const QStringList& options) {
        const CliResult result =
            runCli(QStringList{QStringLiteral("picture"), m_picture, QStringLiteral("--lang=CCS")} +
                   options);
        EXPECT_EQ(result.status, Done) << result.err.toStdString();
        return result.out;
    };
    for (const DisplayPreset& preset : displayPresets()) {
        SCOPED_TRACE(preset.name.toStdString());
        const QStringList spelled = {
            QStringLiteral("--width=%1").arg(preset.width),
            QStringLiteral("--height=%1").arg(preset.height),
            QStringLiteral("--layout=") + layoutRecord(preset.layout).option,
            preset.polarity == Polarity::Lit ? QStringLiteral("--polarity=lit")
                                             : QStringLiteral("--polarity=dark")};
        EXPECT_EQ(picture({QStringLiteral("--display=") + preset.name}), picture(spelled));
    }
    EXPECT_EQ(
        picture({QStringLiteral("--display=SSD1306-128x64"), QStringLiteral("--width=40"),
                 QStringLiteral("--layout=rows-msb-left"), QStringLiteral("--polarity=dark")}),
        picture({QStringLiteral("--width=40"), QStringLiteral("--layout=rows-msb-left")}));
    // At the picture's own size, nothing is stretched: lit is the inverted picture, whose pad
    // bits (52 rows) stay 0 as well.
    EXPECT_EQ(picture({QStringLiteral("--width=100"), QStringLiteral("--height=52"),
                       QStringLiteral("--polarity=lit")}),
              picture({QStringLiteral("--width=100"), QStringLiteral("--height=52"),
                       QStringLiteral("--invert")}));
    for (const char* command : {"picture", "font"}) {
        const CliResult list = runCli(
            {QString::fromUtf8(command), QStringLiteral("--display"), QStringLiteral("list")});
        EXPECT_EQ(list.status, Done) << command;
        EXPECT_TRUE(list.err.isEmpty()) << command;
        EXPECT_EQ(QString::fromUtf8(list.out), displayPresetList()) << command;
    }
}

TEST_F(CliCommands, TheCommentLineHoldsTheInputAsGiven)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    const CliResult result = runCli({QStringLiteral("picture"), QStringLiteral("./sample.png"),
                                     QStringLiteral("--lang=Proton Basic")});
    QDir::setCurrent(before);
    EXPECT_EQ(result.status, Done);
    EXPECT_TRUE(result.out.startsWith("'./sample.png\r\n\tCData\t$"));
}

TEST_F(CliCommands, AnIncompleteLineIsReportedAndTheTextStillWritten)
{
    const QString output = path("table.inc");
    const CliResult result =
        runCli({QStringLiteral("picture"), m_picture, QStringLiteral("--columns"),
                QStringLiteral("24"), QStringLiteral("--output"), output});
    EXPECT_EQ(result.status, Done);
    EXPECT_EQ(result.err, QStringLiteral("pixmint-cli: HATA :9: Dizin aralık dışında\n"));
    EXPECT_TRUE(result.out.isEmpty());
    const NumberFormat format =
        codeFormat("Asm", QStringLiteral("Dt"), QStringLiteral("0X"), {}, QStringLiteral(","), 24);
    EXPECT_EQ(fileBytes(output),
              encodeWindows1254(expectedPictureText(m_picture, format, 128, 64, false)));
}

TEST_F(CliCommands, SaveBmpWritesTheTargetAsABitmapWhateverItsName)
{
    const QString bitmap = path("target.png");
    const CliResult result =
        runCli({QStringLiteral("picture"), m_picture, QStringLiteral("--width=40"),
                QStringLiteral("--height=24"), QStringLiteral("--invert"),
                QStringLiteral("--save-bmp"), bitmap});
    EXPECT_EQ(result.status, Done);
    const QByteArray bytes = fileBytes(bitmap);
    ASSERT_TRUE(bytes.startsWith("BM"));
    const QImage saved = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved, expectedTarget(m_picture, 40, 24, true).convertToFormat(QImage::Format_RGB32));
}

TEST_F(CliCommands, AFailedSaveBmpWritesNothingElse)
{
    const QString output = path("out.inc");
    const QString bitmap = path("no-such-folder/target.bmp");
    const CliResult toFile =
        runCli({QStringLiteral("picture"), m_picture, QStringLiteral("--save-bmp"), bitmap,
                QStringLiteral("--output"), output});
    EXPECT_EQ(toFile.status, Failed);
    EXPECT_EQ(toFile.err, QStringLiteral("pixmint-cli: Hata :76: Yol bulunamadı ") + bitmap +
                              QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(output));
    // The incomplete-line message belongs to a text that is never written.
    const CliResult toStdout =
        runCli({QStringLiteral("picture"), m_picture, QStringLiteral("--columns=24"),
                QStringLiteral("--save-bmp"), m_dir.path()});
    EXPECT_EQ(toStdout.status, Failed);
    EXPECT_TRUE(toStdout.out.isEmpty());
    EXPECT_EQ(toStdout.err, QStringLiteral("pixmint-cli: Hata :70: Erişim reddedildi ") +
                                m_dir.path() + QLatin1Char('\n'));
}

TEST_F(CliCommands, AFailedOutputIsAFailure)
{
    const QString output = path("no-such-folder/out.inc");
    const CliResult result =
        runCli({QStringLiteral("picture"), m_picture, QStringLiteral("--output"), output});
    EXPECT_EQ(result.status, Failed);
    EXPECT_EQ(result.err, QStringLiteral("pixmint-cli: Hata :76: Yol bulunamadı ") + output +
                              QLatin1Char('\n'));
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(CliCommands, SeveralPicturesMakeOneTextOfNamedTables)
{
    const QString second = path("ikinci çizim.png");
    ASSERT_TRUE(testing::samplePicture(60, 90).save(second));
    const struct {
        const char* language;
        const char* command;
        const char* prefix;
    } cases[] = {
        {"Asm", "Dt", "0X"},     {"Asm", "Retlw", "0X"},        {"CCS", "Resim[]=", "0X"},
        {"C", "resim[]=", "0x"}, {"Arduino", "resim[]=", "0x"}, {"Proton Basic", "CData", "$"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.language << " " << c.command);
        const NumberFormat format =
            codeFormat(c.language, QString::fromUtf8(c.command), QString::fromUtf8(c.prefix), {},
                       QStringLiteral(","), 16);
        const CliResult result =
            runCli({QStringLiteral("picture"), m_picture, second, QStringLiteral("--lang"),
                    QString::fromUtf8(c.language), QStringLiteral("--command"), format.command});
        EXPECT_EQ(result.status, Done);
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        const QString expected =
            expectedPictureText(m_picture, format, 128, 64, false, QStringLiteral("sample")) +
            QStringLiteral("\r\n") +
            expectedPictureText(second, format, 128, 64, false, QStringLiteral("ikinci__izim"));
        EXPECT_EQ(result.out, encodeWindows1254(expected));
        // A single picture is named only by --name.
        const CliResult named =
            runCli({QStringLiteral("picture"), second, QStringLiteral("--name=Logo_2"),
                    QStringLiteral("--lang"), QString::fromUtf8(c.language),
                    QStringLiteral("--command"), format.command});
        EXPECT_EQ(named.out, encodeWindows1254(expectedPictureText(second, format, 128, 64, false,
                                                                   QStringLiteral("Logo_2"))));
    }
}

TEST_F(CliCommands, SeveralPicturesAreAllCheckedBeforeAnythingIsWritten)
{
    const QString missing = path("missing.png");
    const QString notAPicture = writeText("words.png", QStringLiteral("no picture"));
    const QString copy = path("copy/sample.png");
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("copy")));
    ASSERT_TRUE(QFile::copy(m_picture, copy));
    const QString unreadable = QStringLiteral("Hata: Resim dosyası okunamadı: ");
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{m_picture, missing}, unreadable + missing},
        {{m_picture, notAPicture, missing}, unreadable + notAPicture},
        {{missing, m_picture, QStringLiteral("--lang=Pascal")}, unreadable + missing},
        // The language is checked with the first picture, before the next is read.
        {{m_picture, missing, QStringLiteral("--lang=Pascal")},
         QStringLiteral("Hata: ") + unknownLanguageMessage(QStringLiteral("Pascal"))},
        {{m_picture, copy},
         QStringLiteral("Hata: İki tablo aynı adı alıyor: \"sample\" (") + m_picture +
             QStringLiteral(" ve ") + copy + QStringLiteral(").")},
    };
    const QString output = path("out.h");
    for (const auto& c : cases) {
        const CliResult result = runCli(QStringList{QStringLiteral("picture")} + c.arguments +
                                        QStringList{QStringLiteral("--output"), output});
        EXPECT_EQ(result.status, Failed) << c.message.toStdString();
        EXPECT_EQ(result.err, QStringLiteral("pixmint-cli: ") + c.message + QLatin1Char('\n'));
        EXPECT_FALSE(QFile::exists(output)) << c.message.toStdString();
    }
}

// Every frame of an animation (composed: a patch at an offset, a frame disposed "Previous")
// and every page of a multi-page file is converted as that frame alone would be.
TEST_F(CliCommands, FramesBecomeOneTableEach)
{
    const QDir frames(testing::testData(QStringLiteral("frames")));
    const QStringList size = {QStringLiteral("--width=32"), QStringLiteral("--height=16"),
                              QStringLiteral("--lang=C")};
    // Frame i converted alone, named as the frames of the file are, with the file's path.
    const auto alone = [&](int i, const QString& file, const QString& name) {
        const QString frame = frames.filePath(QStringLiteral("frame-%1.png").arg(i));
        const QStringList arguments = QStringList{QStringLiteral("picture"), frame} + size;
        QByteArray text =
            runCli(name.isEmpty() ? arguments
                                  : arguments + QStringList{QStringLiteral("--name"), name})
                .out;
        return text.replace(frame.toUtf8(), file.toUtf8());
    };
    for (const char* name : {"three-frames.gif", "three-pages.tif"}) {
        SCOPED_TRACE(name);
        const QString file = frames.filePath(QString::fromUtf8(name));
        const QString table = tableIdentifier(file);
        const QList<QByteArray> each = {alone(0, file, table + QStringLiteral("_0")),
                                        alone(1, file, table + QStringLiteral("_1")),
                                        alone(2, file, table + QStringLiteral("_2"))};
        EXPECT_NE(each[0].mid(each[0].indexOf("{")), each[1].mid(each[1].indexOf("{")));
        EXPECT_NE(each[1].mid(each[1].indexOf("{")), each[2].mid(each[2].indexOf("{")));
        const CliResult all =
            runCli(QStringList{QStringLiteral("picture"), file, QStringLiteral("--frames")} + size);
        EXPECT_EQ(all.status, Done) << all.err.toStdString();
        EXPECT_EQ(all.out, each[0] + "\r\n" + each[1] + "\r\n" + each[2]);
        // Without --frames, the first frame alone, as before.
        EXPECT_EQ(runCli(QStringList{QStringLiteral("picture"), file} + size).out,
                  alone(0, file, {}));
    }
}

TEST_F(CliCommands, CheckComparesWithTheOutputAndWritesNothing)
{
    const QString source =
        writeText("in.inc", codeText(presetFormat(QStringLiteral("Asm")), sampleTableOf(48)));
    const QStringList picture = {QStringLiteral("picture"), m_picture, QStringLiteral("--lang=C")};
    const QStringList recode = {QStringLiteral("recode"), source, QStringLiteral("--lang=CCS")};
    const QStringList lf = {QStringLiteral("--eol"), QStringLiteral("lf")};
    const QByteArray pictureText = runCli(picture).out;
    const QByteArray pictureLf = runCli(picture + lf).out;
    const QByteArray recodeText = runCli(recode).out;
    ASSERT_TRUE(pictureText.contains("\r\n"));
    EXPECT_EQ(pictureLf, QByteArray(pictureText).replace("\r\n", "\n"));
    const struct {
        const char* name;
        QStringList arguments;
        std::optional<QByteArray> content;  // of the output file before; nothing: missing
        int status;
    } cases[] = {
        {"picture up to date", picture, pictureText, Done},
        {"picture with LF up to date", picture + lf, pictureLf, Done},
        {"picture with CR LF against LF", picture, pictureLf, Failed},
        {"picture changed", picture, QByteArray(pictureText).replace("0xFF", "0xFE"), Failed},
        {"picture and more", picture, pictureText + "\r\n", Failed},
        {"picture missing", picture, std::nullopt, Failed},
        {"recode up to date", recode, recodeText, Done},
        {"recode changed", recode, pictureText, Failed},
        {"recode missing", recode, std::nullopt, Failed},
    };
    const QString output = path("out.h");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(output);
        if (c.content) {
            QFile file(output);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.content);
        }
        const CliResult result =
            runCli(c.arguments +
                   QStringList{QStringLiteral("--check"), QStringLiteral("--output"), output});
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err, c.status == Done ? QString()
                                               : QStringLiteral("pixmint-cli: Hata: ") + output +
                                                     QStringLiteral(" güncel değil\n"));
        EXPECT_EQ(QFile::exists(output), c.content.has_value());
        if (c.content) {
            EXPECT_EQ(fileBytes(output), *c.content);
        }
    }
}

// A table of 40 entries: two full lines of 16 and a short one.
QStringList sampleTable()
{
    return sampleTableOf(40);
}

TEST_F(CliCommands, RecodeReadsBackEveryLanguageTheLayoutWrites)
{
    const QStringList table = sampleTable();
    const struct {
        const char* name;
        NumberFormat format;
        QStringList fromOptions;
        QStringList expected;
    } cases[] = {
        {"asm.inc",
         codeFormat("Asm", QStringLiteral("Dt"), QStringLiteral("0X"), {}, QStringLiteral(","), 16),
         {},
         table},
        {"retlw.inc",
         codeFormat("Asm", QStringLiteral("Retlw"), QStringLiteral("0X"), {}, QStringLiteral(","),
                    16),
         {},
         table},
        {"proton.bas",
         codeFormat("Proton Basic", QStringLiteral("CData"), QStringLiteral("$"), {},
                    QStringLiteral(","), 16),
         {},
         table},
        {"ccs.h",
         codeFormat("CCS", QStringLiteral("Resim[]="), QStringLiteral("0X"), {},
                    QStringLiteral(","), 16),
         {},
         table},
        {"c.h",
         codeFormat("C", QStringLiteral("resim[]="), QStringLiteral("0x"), {}, QStringLiteral(","),
                    16),
         {},
         table},
        {"arduino.h",
         codeFormat("Arduino", QStringLiteral("resim[]="), QStringLiteral("0x"), {},
                    QStringLiteral(","), 16),
         {},
         table},
        {"own.inc",
         codeFormat("Asm", QStringLiteral("db"), QString(), QStringLiteral("h"),
                    QStringLiteral("| "), 8),
         {QStringLiteral("--from-command=db"), QStringLiteral("--from-prefix="),
          QStringLiteral("--from-suffix=H"), QStringLiteral("--from-separator"),
          QStringLiteral("| ")},
         table},
        {"basic.bas",
         codeFormat("Proton Basic", QStringLiteral("Data"), QStringLiteral("&H"), {},
                    QStringLiteral(","), 16),
         {QStringLiteral("--from-lang"), QStringLiteral("Proton Basic"),
          QStringLiteral("--from-command=data"), QStringLiteral("--from-prefix=&h")},
         table},
    };
    for (const auto& c : cases) {
        const QString source =
            writeText(c.name, codeText(c.format, table, QStringLiteral("C:\\pictures\\logo.bmp")));
        const CliResult result =
            runCli(QStringList{QStringLiteral("recode"), source} + c.fromOptions);
        EXPECT_EQ(result.status, Done) << c.name;
        // 40 entries are not a multiple of 16.
        EXPECT_EQ(result.err, QStringLiteral("pixmint-cli: HATA :9: Dizin aralık dışında\n"))
            << c.name;
        EXPECT_EQ(result.out, encodeWindows1254(codeText(presetFormat(QStringLiteral("Asm")),
                                                         c.expected, source)))
            << c.name;
    }
}

TEST_F(CliCommands, RecodeTargetStartsFromAsmThenLangThenTheOptions)
{
    QStringList table = sampleTable().mid(0, 32);
    const QString source =
        writeText("in.inc", codeText(presetFormat(QStringLiteral("Asm")), table));
    QStringList inverted;
    for (const QString& entry : table)
        inverted << twoHexDigits(255 - entry.toInt(nullptr, 16));
    const struct {
        QStringList options;
        NumberFormat format;
        QStringList expected;
    } cases[] = {
        {{},
         codeFormat("Asm", QStringLiteral("Dt"), QStringLiteral("0X"), {}, QStringLiteral(","), 16),
         table},
        {{QStringLiteral("--lang=proton basic")},
         codeFormat("Proton Basic", QStringLiteral("CData"), QStringLiteral("$"), {},
                    QStringLiteral(","), 16),
         table},
        {{QStringLiteral("--prefix=$"), QStringLiteral("--lang=CCS")},
         codeFormat("CCS", QStringLiteral("Resim[]="), QStringLiteral("$"), {}, QStringLiteral(","),
                    16),
         table},
        {{QStringLiteral("--lang=CCS"), QStringLiteral("--command"), QStringLiteral("Logo[]="),
          QStringLiteral("--suffix=U")},
         codeFormat("CCS", QStringLiteral("Logo[]="), QStringLiteral("0X"), QStringLiteral("U"),
                    QStringLiteral(","), 16),
         table},
        {{QStringLiteral("--command=retlw"), QStringLiteral("--invert")},
         codeFormat("Asm", QStringLiteral("retlw"), QStringLiteral("0X"), {}, QStringLiteral(","),
                    1),
         inverted},
    };
    for (const auto& c : cases) {
        const CliResult result = runCli(QStringList{QStringLiteral("recode"), source} + c.options);
        EXPECT_EQ(result.status, Done);
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_EQ(result.out, encodeWindows1254(codeText(c.format, c.expected, source)))
            << c.options.join(u' ').toStdString();
    }
}

TEST_F(CliCommands, RecodeReportsWhatTheConverterWindowWouldShow)
{
    const QString missing = path("missing.inc");
    const CliResult unreadable = runCli({QStringLiteral("recode"), missing});
    EXPECT_EQ(unreadable.status, Failed);
    EXPECT_EQ(unreadable.err, QStringLiteral("pixmint-cli: Hata :53: Dosya bulunamadı ") + missing +
                                  QLatin1Char('\n'));
    EXPECT_TRUE(unreadable.out.isEmpty());

    // A file larger than any table is refused before it is read whole.
    const QString huge = path("huge.inc");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1));
    file.close();
    const CliResult tooLarge = runCli({QStringLiteral("recode"), huge});
    EXPECT_EQ(tooLarge.status, Failed);
    EXPECT_EQ(tooLarge.err, QStringLiteral("pixmint-cli: Hata: Dosya çok büyük: ") + huge +
                                QStringLiteral("; en fazla 64 MB okunur.\n"));
    EXPECT_TRUE(tooLarge.out.isEmpty());

    const QString source = writeText("odd.inc", QStringLiteral(";x\r\n\tDt\t0X01,0XZZ,0X1FF\r\n"));
    const QString output = path("odd-out.inc");
    const CliResult unknown =
        runCli({QStringLiteral("recode"), source, QStringLiteral("--lang=Pascal"),
                QStringLiteral("--output"), output});
    EXPECT_EQ(unknown.status, Failed);
    EXPECT_EQ(unknown.err, QStringLiteral("pixmint-cli: Hata: ") +
                               unknownLanguageMessage(QStringLiteral("Pascal")) +
                               QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(output));

    const CliResult inverted = runCli({QStringLiteral("recode"), source, QStringLiteral("--invert"),
                                       QStringLiteral("--output"), output});
    EXPECT_EQ(inverted.status, Done);
    EXPECT_EQ(inverted.err, QStringLiteral("pixmint-cli: HATA :9: Dizin aralık dışında\n"
                                           "pixmint-cli: Hata: 2 sayı terslenemedi; bunlar olduğu "
                                           "gibi bırakıldı.\n"));
    EXPECT_EQ(fileBytes(output),
              encodeWindows1254(QStringLiteral(";") + source +
                                QStringLiteral("\r\n\tDt\t0XFE,0XZZ,0X1FF\r\n")));
}

TEST_F(CliCommands, RenderDrawsAKnownTableExactly)
{
    const QString source =
        writeText("small.inc", QStringLiteral(";small\r\n\tDt\t0X01,0X80,0XFF\r\n\tDt\t0X0F\r\n"));
    const QString png = path("small.png");
    const CliResult plain = runCli({QStringLiteral("render"), source, QStringLiteral("--width=3"),
                                    QStringLiteral("--output"), png});
    ASSERT_EQ(plain.status, Done) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.isEmpty());
    EXPECT_TRUE(fileBytes(png).startsWith("\x89PNG"));
    const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
    const char* rows[] = {"#.#", "..#", "..#", "..#", "..#", "..#", "..#", ".##",
                          "#..", "#..", "#..", "#..", "...", "...", "...", "..."};
    ASSERT_EQ(drawn.size(), QSize(3, 16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(drawn.pixel(x, y), rows[y][x] == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    }

    // Inverted, the entries found are complemented; the missing ones stay white.
    const CliResult inverted = runCli(
        {QStringLiteral("render"), source, QStringLiteral("--width=3"), QStringLiteral("--invert"),
         QStringLiteral("--scale=2"), QStringLiteral("--output"), png});
    ASSERT_EQ(inverted.status, Done) << inverted.err.toStdString();
    const QImage big = QImage(png).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(big.size(), QSize(6, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool missing = y >= 16 && x >= 2;
            const bool black = missing ? false : rows[y / 2][x / 2] != '#';
            EXPECT_EQ(big.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    }
}

TEST_F(CliCommands, RenderRefusesAnEntryThatIsNoByte)
{
    const QString png = path("bad.png");
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {";x\r\n\tDt\t0X01,0X1G,0X03\r\n",
         "Girdi 1 (\"1G\") 00 ile FF arasında onaltılık bir sayı değil."},
        {";x\r\n\tDt\t0X01,0X02,0X100\r\n",
         "Girdi 2 (\"100\") 00 ile FF arasında onaltılık bir sayı değil."},
        // The empty entries are left out, and still counted as recode numbers them.
        {";x\r\n\tDt\t0X01,,0X03\r\n\tDt\t0X04,0X 5,0X06\r\n", "Girdi 4 (\" 5\")"},
        {";nothing here\r\n", "Tabloda çizilecek sayı yok."},
    };
    for (const auto& c : cases) {
        const QString source = writeText("bad.inc", QString::fromUtf8(c.text));
        const CliResult result =
            runCli({QStringLiteral("render"), source, QStringLiteral("--width=8"),
                    QStringLiteral("--output"), png});
        EXPECT_EQ(result.status, Failed) << c.text;
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("pixmint-cli: Hata: ")));
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(png));
    }
}

// A file of other people's tables: tables lists them, recode and render take the one
// chosen, render leaves out the leading entries that are no picture.
TEST_F(CliCommands, SmartReadingListsAndTakesTheChosenTable)
{
    const QString source = writeText(
        "mixed.h", QStringLiteral("// a table, a picture, a wide table\r\n#define LCDWIDTH 84\r\n"
                                  "Logo:\r\n\tretlw 0x01\r\n\tretlw b'00000011'\r\n"
                                  "const unsigned char pic[] PROGMEM = {\r\n 4, 16, // size\r\n"
                                  " 0xFF, 0x81, 0x81, 0xFF,\r\n 0x00, 0x7E, 0x42, 0x7E };\r\n"
                                  "\tdb 300, 2\r\n"));
    const CliResult listed = runCli({QStringLiteral("tables"), source});
    EXPECT_EQ(listed.status, Done);
    EXPECT_EQ(listed.out, QByteArray("0\tLogo\tasm\t2\t4\n1\tpic\tc\t10\t7\n2\t-\tasm\t2\t10\n"));
    const CliResult none =
        runCli({QStringLiteral("tables"), writeText("none.h", QStringLiteral("int x;\n"))});
    EXPECT_EQ(none.status, Failed);
    EXPECT_EQ(none.err, QStringLiteral("pixmint-cli: Hata: Tablo bulunamadı.\n"));

    // A table read smartly is as long as it is: its short last line is no error.
    const QString incomplete;
    const struct {
        QStringList options;
        int status;
        const char* entries;
        QString err;
    } rows[] = {
        {{}, Done, "04 10 FF 81 81 FF 00 7E 42 7E", incomplete},
        {{QStringLiteral("--table=all")},
         Done,
         "01 03 04 10 FF 81 81 FF 00 7E 42 7E",
         QStringLiteral("pixmint-cli: Hata: Bayt tablosu olmayan tablolar alınmadı: -.\n") +
             incomplete},
        {{QStringLiteral("--table=Logo"), QStringLiteral("--invert")}, Done, "FE FC", incomplete},
        {{QStringLiteral("--table=2")},
         Failed,
         "",
         QStringLiteral("pixmint-cli: Hata: Tablo - bayt tablosu değil: 300\n")},
        {{QStringLiteral("--table=x")},
         Failed,
         "",
         QStringLiteral("pixmint-cli: Hata: Tablo bulunamadı: x\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.options.join(u' ').toStdString());
        const CliResult result = runCli(
            QStringList{QStringLiteral("recode"), source, QStringLiteral("--smart")} + row.options);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.err, row.err);
        const QStringList entries =
            QString::fromLatin1(row.entries).split(u' ', Qt::SkipEmptyParts);
        EXPECT_EQ(result.out, entries.isEmpty()
                                  ? QByteArray()
                                  : encodeWindows1254(codeText(presetFormat(QStringLiteral("Asm")),
                                                               entries, source)));
    }

    // The picture's width and height are no picture: --skip 2 leaves them out.
    const QString png = path("pic.png");
    const CliResult drawn = runCli({QStringLiteral("render"), source, QStringLiteral("--smart"),
                                    QStringLiteral("--table=pic"), QStringLiteral("--skip=2"),
                                    QStringLiteral("--width=4"), QStringLiteral("--output"), png});
    ASSERT_EQ(drawn.status, Done) << drawn.err.toStdString();
    const QImage picture = QImage(png).convertToFormat(QImage::Format_RGB32);
    const char* rows2[] = {"####", "#..#", "#..#", "#..#", "#..#", "#..#", "#..#", "####",
                           "....", ".###", ".#.#", ".#.#", ".#.#", ".#.#", ".###", "...."};
    ASSERT_EQ(picture.size(), QSize(4, 16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(picture.pixel(x, y) == qRgb(0, 0, 0), rows2[y][x] == '#') << x << "," << y;
    }
}

TEST_F(CliCommands, RenderOfThePictureTextGivesTheTargetPictureBack)
{
    // The sample at an odd size, and the project's own examples at the display's size.
    const QDir examples(QStringLiteral(PIXMINT_EXAMPLES));
    const QList<std::pair<QString, QSize>> pictures = {
        {m_picture, {72, 40}},
        {examples.filePath(QStringLiteral("logo-128x64.png")), {128, 64}},
        {examples.filePath(QStringLiteral("line-drawing.png")), {128, 64}},
        {examples.filePath(QStringLiteral("photo.jpg")), {128, 64}},
    };
    for (const auto& [picture, size] : pictures) {
        const QString width = QStringLiteral("--width=%1").arg(size.width());
        for (const char* lang : {"Asm", "CCS", "Proton Basic"}) {
            for (const bool invert : {false, true}) {
                for (const char* command : {"", "Retlw"}) {
                    if (*command && QByteArray(lang) != "Asm")
                        continue;
                    const QString code = path("road.inc");
                    const QString bitmap = path("road.bmp");
                    const QString png = path("road.png");
                    QStringList arguments = {QStringLiteral("picture"),
                                             picture,
                                             width,
                                             QStringLiteral("--height=%1").arg(size.height()),
                                             QStringLiteral("--lang"),
                                             QString::fromUtf8(lang),
                                             QStringLiteral("--output"),
                                             code,
                                             QStringLiteral("--save-bmp"),
                                             bitmap};
                    if (invert)
                        arguments << QStringLiteral("--invert");
                    if (*command)
                        arguments << QStringLiteral("--command") << QString::fromUtf8(command);
                    SCOPED_TRACE(::testing::Message() << picture.toStdString() << " " << lang
                                                      << (invert ? " inverted " : " ") << command);
                    EXPECT_EQ(runCli(arguments).status, Done);
                    const CliResult rendered = runCli(
                        {QStringLiteral("render"), code, width, QStringLiteral("--output"), png});
                    EXPECT_EQ(rendered.status, Done) << rendered.err.toStdString();
                    const QImage target = QImage(bitmap).convertToFormat(QImage::Format_RGB32);
                    const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
                    EXPECT_EQ(target.size(), size);
                    EXPECT_EQ(drawn, target);
                }
            }
        }
    }
}

// Written in a layout with the picture settings, a table read back in the same layout is
// the picture the road made.
TEST_F(CliCommands, RenderInTheLayoutOfThePictureTextGivesTheTargetBack)
{
    const struct {
        const char* layout;
        QSize size;
        const char* settings;  // separated by "|"
    } cases[] = {
        {"pages-lsb-top", {13, 16}, ""},
        {"pages-msb-top", {13, 16}, "--scaling=average|--method=bayer"},
        {"rows-msb-left", {13, 11}, "--scaling=average|--method=floyd-steinberg|--rotate=90"},
        {"rows-lsb-left", {72, 40}, "--scaling=average|--method=atkinson|--mirror|--invert"},
        {"rows-msb-left", {9, 5}, "--threshold=200|--invert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.layout << " " << c.settings);
        const QString code = path("layout.h");
        const QString bitmap = path("layout.bmp");
        const QString png = path("layout.png");
        const QString width = QStringLiteral("--width=%1").arg(c.size.width());
        const QString layout = QStringLiteral("--layout=") + QString::fromUtf8(c.layout);
        QStringList arguments = {QStringLiteral("picture"),
                                 m_picture,
                                 width,
                                 QStringLiteral("--height=%1").arg(c.size.height()),
                                 layout,
                                 QStringLiteral("--lang=CCS"),
                                 QStringLiteral("--output"),
                                 code,
                                 QStringLiteral("--save-bmp"),
                                 bitmap};
        arguments << QString::fromUtf8(c.settings).split(u'|', Qt::SkipEmptyParts);
        const CliResult written = runCli(arguments);
        EXPECT_EQ(written.status, Done) << written.err.toStdString();
        const CliResult rendered = runCli(
            {QStringLiteral("render"), code, width, layout, QStringLiteral("--output"), png});
        EXPECT_EQ(rendered.status, Done) << rendered.err.toStdString();
        const QImage target = QImage(bitmap).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(target.size(), c.size);
        EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), target);
    }
}

// Real tables of other projects: guess prints the finder's best five readings, and render
// with auto draws the best that agrees with what is given, as the options it names draw it.
TEST_F(CliCommands, GuessAndRenderAutoTakeTheFindersBestReading)
{
    const struct {
        const char* file;     // under tests/data/finder
        const char* options;  // of both commands, separated by "|"
        const char* best;     // the first line of guess, without its score
        const char* chosen;   // the options render auto names; with --width auto when given
    } rows[] = {
        {"adafruit_Adafruit_SSD1306/splash.h", "--table=splash1_data", "rows-msb-left\t82\t64\t0",
         "--layout rows-msb-left --width 82 --skip 0 (82 × 64)"},
        {"MLXXXp_Arduboy2/ab_logo.c", "--table=arduboy_logo_sprite", "pages-lsb-top\t88\t16\t2",
         "--layout pages-lsb-top --width 88 --skip 2 (88 × 16)"},
        // The leading width and height left out by hand count among the skipped entries.
        {"MLXXXp_Arduboy2/ab_logo.c", "--table=arduboy_logo_sprite|--skip=2",
         "pages-lsb-top\t88\t16\t2", "--layout pages-lsb-top --width 88 --skip 2 (88 × 16)"},
        {"qmk_qmk_firmware/kyria_keymap_excerpt.c", "--table=kyria_logo",
         "pages-lsb-top\t128\t64\t0", "--layout pages-lsb-top --width 128 --skip 0 (128 × 64)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.file << " " << row.options);
        const QString source =
            testing::testData(QStringLiteral("finder/") + QString::fromUtf8(row.file));
        const QStringList options =
            QStringList{QStringLiteral("--smart")} + QString::fromUtf8(row.options).split(u'|');
        const CliResult guessed = runCli(QStringList{QStringLiteral("guess"), source} + options);
        EXPECT_EQ(guessed.status, Done) << guessed.err.toStdString();
        const QStringList lines = QString::fromUtf8(guessed.out).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines.first().section(u'\t', 0, 3), QString::fromUtf8(row.best));
        for (const QString& line : lines) {
            const double score = line.section(u'\t', 4).toDouble();
            EXPECT_TRUE(score > 0 && score <= 1) << line.toStdString();
        }

        const QString png = path("auto.png");
        const CliResult drawn =
            runCli(QStringList{QStringLiteral("render"), source, QStringLiteral("--layout=auto"),
                               QStringLiteral("--width=auto"), QStringLiteral("--output"), png} +
                   options);
        EXPECT_EQ(drawn.status, Done);
        const QString chosen = QString::fromUtf8(row.chosen);
        EXPECT_EQ(drawn.err, QStringLiteral("pixmint-cli: Düzen: ") + chosen + u'\n');
        const QString named = path("named.png");
        QStringList given = chosen.section(u' ', 0, 5).split(u' ');
        given << QStringLiteral("--smart") << QString::fromUtf8(row.options).section(u'|', 0, 0);
        const CliResult plain = runCli(QStringList{QStringLiteral("render"), source} + given +
                                       QStringList{QStringLiteral("--output"), named});
        EXPECT_EQ(plain.status, Done) << plain.err.toStdString();
        EXPECT_EQ(QImage(png), QImage(named));
    }
    // One part given, the other found; nothing found is a failure.
    const QString splash =
        testing::testData(QStringLiteral("finder/adafruit_Adafruit_SSD1306/splash.h"));
    const CliResult paged =
        runCli({QStringLiteral("render"), splash, QStringLiteral("--smart"),
                QStringLiteral("--table=splash1_data"), QStringLiteral("--layout=pages-lsb-top"),
                QStringLiteral("--width=auto"), QStringLiteral("--output"), path("paged.png")});
    EXPECT_EQ(paged.status, Done);
    EXPECT_TRUE(paged.err.startsWith(QStringLiteral("pixmint-cli: Düzen: --layout pages-lsb-top")));
    const CliResult none =
        runCli({QStringLiteral("render"), splash, QStringLiteral("--smart"),
                QStringLiteral("--table=splash1_data"), QStringLiteral("--layout=auto"),
                QStringLiteral("--width=3"), QStringLiteral("--output"), path("none.png")});
    EXPECT_EQ(none.status, Failed);
    EXPECT_EQ(none.err, QStringLiteral("pixmint-cli: Hata: Tablonun bir düzeni bulunamadı.\n"));
}

}  // namespace
}  // namespace pixmint::cli
