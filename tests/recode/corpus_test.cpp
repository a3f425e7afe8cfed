// Include files written by other people and other tools, read as the converter window
// reads them: Windows-1254 bytes, detection, the presets of the detected language.

#include "code_layout.h"
#include "code_texts.h"
#include "format_detection.h"
#include "number_format.h"
#include "recoding.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::testData;

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// Every "0x" number of a text with two digits, in capitals: what a reader of the file
// sees as its table, found without the converter's rules.
QStringList hexNumbersIn(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("0[xX]([0-9A-Fa-f]{2})\\b"));
    QStringList numbers;
    for (const QRegularExpressionMatch& m : number.globalMatch(text))
        numbers << m.captured(1).toUpper();
    return numbers;
}

// A file of the corpus, by its path.
struct CorpusFile {
    QString path;
};

void PrintTo(const CorpusFile& file, std::ostream* os)
{
    *os << QFileInfo(file.path).fileName().toStdString();
}

std::vector<CorpusFile> corpusFiles()
{
    std::vector<CorpusFile> files;
    const QDir root(testData(QStringLiteral("corpus/includes")));
    for (const QString& dir :
         {QStringLiteral("."), QStringLiteral("GandhyAmaya_Sistema-economizador")}) {
        const QDir folder(root.filePath(dir));
        for (const QString& name :
             folder.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name))
            files.push_back({QDir::cleanPath(folder.filePath(name))});
    }
    return files;
}

// The LCD Assistant tables of one project.
std::vector<CorpusFile> rowTableFiles()
{
    const QDir folder(testData(QStringLiteral("corpus/includes/GandhyAmaya_Sistema-economizador")));
    std::vector<CorpusFile> files;
    for (const QString& name : folder.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name))
        files.push_back({folder.filePath(name)});
    return files;
}

// The name of a case: the file's name without its extension, its letters and digits only.
std::string caseName(const CorpusFile& file)
{
    std::string name;
    for (const char c : QFileInfo(file.path).completeBaseName().toStdString()) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    }
    return name;
}

TEST(IncludeCorpus, HoldsItsFiles)
{
    EXPECT_EQ(corpusFiles().size(), 8u);
    EXPECT_EQ(rowTableFiles().size(), 7u);
}

class IncludeFile : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(IncludeFile, RecodesIntoEveryLanguage)
{
    const QString path = GetParam().path;
    const QString text = readSingleByteFile(path);
    const NumberFormat format = withDetectedFormat(presetFormat(QStringLiteral("Asm")), text);
    for (const bool invert : {false, true}) {
        QStringList table;
        Kodu_dönüştür(text, format, table, invert);
        EXPECT_GE(table.size(), 1024);
        for (const Language& target : languages()) {
            SCOPED_TRACE(::testing::Message()
                         << target.name.toStdString() << (invert ? " inverted" : ""));
            const QString code = testing::codeText(presetFormat(target.name), table, path);
            EXPECT_TRUE(code.startsWith(target.commentMarker + path));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(IncludeCorpus, IncludeFile, ::testing::ValuesIn(corpusFiles()),
                         [](const auto& tested) { return caseName(tested.param); });

// The LCD Assistant tables hold 64 lines of 16 numbers, each line but the last ending in
// a separator that gives no entry; some files end with a C function whose one line of
// three pieces gives text entries after the table.
class RowTableFile : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(RowTableFile, GivesEveryNumberInOrder)
{
    const QString path = GetParam().path;
    const QString text = readSingleByteFile(path);
    const NumberFormat format = withDetectedFormat(presetFormat(QStringLiteral("Asm")), text);
    EXPECT_EQ(format.language, s(u"Asm"));

    QStringList table;
    EXPECT_EQ(Kodu_dönüştür(text, format, table, false), 0);
    EXPECT_EQ(table.mid(0, 64 * 16), hexNumbersIn(text));
    const QStringList after = table.mid(64 * 16);
    if (text.contains(QLatin1String("glcd_pixel(")))
        EXPECT_EQ(after, (QStringList{s(u"GLCD_PIXEL( J*8+K"), s(u"I"), s(u"ON )")}));
    else
        EXPECT_TRUE(after.isEmpty());

    // Laid out as Proton Basic, the entries read back unchanged.
    const QString proton =
        testing::codeText(presetFormat(s(u"Proton Basic")), table, QFileInfo(path).fileName());
    QStringList again;
    Kodu_dönüştür(proton, withDetectedFormat(presetFormat(QStringLiteral("Asm")), proton), again,
                  false);
    EXPECT_EQ(again, table);
}

INSTANTIATE_TEST_SUITE_P(IncludeCorpus, RowTableFile, ::testing::ValuesIn(rowTableFiles()),
                         [](const auto& tested) { return caseName(tested.param); });

// A C file of icons and fonts: "width" in a comment makes it "Asm" with "Dt", so its "//"
// comments are no comments to the reader. The licence lines with commas give text
// entries; then come the eleven 16 x 16 icons, two lines of 16 numbers each.
TEST(IncludeCorpus, Ks0108IconsFollowTheLicenceLines)
{
    const QString text = readSingleByteFile(testData(QStringLiteral(
        "corpus/includes/c_lowerhex__ali-bingol_Ks0108-GLCD-128x64__fontAndImageData.h")));
    const NumberFormat format = withDetectedFormat(presetFormat(QStringLiteral("Asm")), text);
    EXPECT_EQ(format.language, s(u"Asm"));
    EXPECT_EQ(format.command, s(u"Dt"));

    QStringList table;
    EXPECT_EQ(Kodu_dönüştür(text, format, table, false), 0);
    ASSERT_GE(table.size(), 8 + 11 * 32);
    EXPECT_EQ(table.mid(0, 4), (QStringList{s(u"BE LIABLE FOR ANY SPECIAL"), s(u"DIRECT"),
                                            s(u"INDIRECT"), s(u"OR CONSEQUENTIAL DAMAGES")}));
    EXPECT_EQ(table.mid(8, 11 * 32), hexNumbersIn(text).mid(0, 11 * 32));

    // Inverted, the icons' numbers become their complements; the licence words and the
    // font rows' "10}" and comment pieces stay, and each of them is counted.
    static const QRegularExpression byte(QStringLiteral("^0*[0-9A-F]{0,2}$"));
    const qsizetype words = std::count_if(table.cbegin(), table.cend(), [](const QString& entry) {
        return !byte.match(entry).hasMatch();
    });
    EXPECT_GT(words, 100);
    EXPECT_EQ(Kodu_dönüştür(text, format, table, true), words);
    EXPECT_EQ(table[0], s(u"BE LIABLE FOR ANY SPECIAL"));
    EXPECT_EQ(table.mid(8, 3), (QStringList{s(u"00"), s(u"00"), s(u"E0")}));
}

}  // namespace
}  // namespace pixmint
