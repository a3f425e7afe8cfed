#include "code_layout.h"
#include "event_yield.h"
#include "test_paths.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

const QStringList kFour = {QStringLiteral("00"), QStringLiteral("7F"), QStringLiteral("FF"),
                           QStringLiteral("18")};

QString golden(const QString& name)
{
    QFile file(testing::testData(QStringLiteral("golden/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromLatin1(file.readAll());
}

NumberFormat format(const char* language, const QString& command, const QString& prefix,
                    int perLine)
{
    NumberFormat f = presetFormat(QString::fromUtf8(language));
    f.command = command;
    f.prefix = prefix;
    f.numbersPerLine = QString::number(perLine);
    return f;
}

LaidOutLines codeText(const NumberFormat& f, const QStringList& table,
                      const QString& path = QStringLiteral("C:\\logo.bmp"))
{
    const CodeTextOutcome outcome = codeTextFor(f, table, path);
    EXPECT_TRUE(outcome.failure.isEmpty()) << outcome.failure.toStdString();
    return outcome.code;
}

struct GoldenCase {
    const char* name;
    const char* golden;
    NumberFormat format;
    bool incomplete;
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

class WorkedExample : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(WorkedExample, MatchesItsGoldenFile)
{
    const GoldenCase& c = GetParam();
    const LaidOutLines out = codeText(c.format, kFour);
    EXPECT_EQ(out.text, golden(QString::fromLatin1(c.golden)));
    EXPECT_EQ(out.incompleteLine, c.incomplete);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CodeLayout, WorkedExample, ::testing::Values(
    GoldenCase{"AsmDtTwoPerLine", "asm-dt-2.inc", format("Asm", QStringLiteral("Dt"), QStringLiteral("0X"), 2), false},
    GoldenCase{"AsmRetlw", "asm-retlw.inc", format("Asm", QStringLiteral("retlw"), QStringLiteral("0X"), 16), false},
    GoldenCase{"CcsTwoPerLine", "ccs-2.h", format("CCS", QStringLiteral("Resim[]="), QStringLiteral("0X"), 2), false},
    GoldenCase{"ProtonBasicTwoPerLine", "proton-2.bas", format("Proton Basic", QStringLiteral("CData"), QStringLiteral("$"), 2), false},
    GoldenCase{"AsmDtThreePerLineIncomplete", "asm-dt-3-incomplete.inc", format("Asm", QStringLiteral("Dt"), QStringLiteral("0X"), 3), true},
    GoldenCase{"CcsThreePerLineIncomplete", "ccs-3-incomplete.h", format("CCS", QStringLiteral("Resim[]="), QStringLiteral("0X"), 3), true},
    GoldenCase{"CTwoPerLine", "c-2.h", format("C", QStringLiteral("resim[]="), QStringLiteral("0x"), 2), false},
    GoldenCase{"ArduinoThreePerLineIncomplete", "arduino-3-incomplete.h", format("Arduino", QStringLiteral("resim[]="), QStringLiteral("0x"), 3), true}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// Data lines only, without the frame: what SatırlarıOluştur gives.
struct LinesCase {
    const char* name;
    QStringList table;
    QString command;
    QString prefix;
    QString suffix;
    QString separator;
    int perLine;
    bool keepLast;
    QString expected;
    bool incomplete;
};

void PrintTo(const LinesCase& c, std::ostream* os)
{
    *os << c.name;
}

class DataLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DataLines, HoldTheEntriesAsTheFormatSays)
{
    const LinesCase& c = GetParam();
    EventYield none;
    const LaidOutLines out = SatırlarıOluştur(c.table, c.command, c.prefix, c.suffix, c.separator,
                                              c.perLine, c.keepLast, none);
    EXPECT_EQ(out.text, c.expected);
    EXPECT_EQ(out.incompleteLine, c.incomplete);
}

const QString kDt = QStringLiteral("Dt");
const QString kX = QStringLiteral("0X");
const QString kComma = QStringLiteral(",");

// clang-format off
INSTANTIATE_TEST_SUITE_P(CodeLayout, DataLines, ::testing::Values(
    LinesCase{"ZeroPerLineIsOne", kFour.mid(0, 2), kDt, kX, {}, kComma, 0, false,
              QStringLiteral("\tDt\t0X00\r\n\tDt\t0X7F\r\n"), false},
    LinesCase{"NegativePerLineIsOne", kFour.mid(0, 2), kDt, kX, {}, kComma, -3, false,
              QStringLiteral("\tDt\t0X00\r\n\tDt\t0X7F\r\n"), false},
    LinesCase{"MorePerLineThanEntries", kFour, kDt, kX, {}, kComma, 100, false,
              QStringLiteral("\tDt\t0X00,0X7F,0XFF,0X18\r\n"), true},
    LinesCase{"EmptyTable", {}, kDt, kX, {}, kComma, 16, false, QStringLiteral("\tDt\t\r\n"), true},
    LinesCase{"TwoCharacterSeparator", kFour, kDt, kX, {}, QStringLiteral(", "), 2, false,
              QStringLiteral("\tDt\t0X00, 0X7F\r\n\tDt\t0XFF, 0X18\r\n"), false},
    LinesCase{"TwoCharacterSeparatorKept", kFour, {}, kX, {}, QStringLiteral(", "), 2, true,
              QStringLiteral("\t\t0X00, 0X7F, \r\n\t\t0XFF, 0X18, \r\n"), false},
    LinesCase{"EmptySeparatorWithSuffix", kFour, kDt, {}, QStringLiteral("h"), {}, 2, false,
              QStringLiteral("\tDt\t00h7Fh\r\n\tDt\tFFh18h\r\n"), false},
    LinesCase{"EntriesOfOtherLengths", {QString(), QStringLiteral("3"), QStringLiteral("003F")},
              kDt, kX, {}, kComma, 3, false, QStringLiteral("\tDt\t0X,0X3,0X003F\r\n"), false}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// A named table (one of several in a text): the C languages name the array, the others
// put a label line after the comment line; the command given is not the table's name.
struct NamedTableCase {
    const char* name;
    const char* language;
    const char* command;
    QString expected;
};

void PrintTo(const NamedTableCase& c, std::ostream* os)
{
    *os << c.name;
}

class NamedTable : public ::testing::TestWithParam<NamedTableCase> {};

TEST_P(NamedTable, IsLaidOutUnderItsName)
{
    const NamedTableCase& c = GetParam();
    NumberFormat f = presetFormat(QString::fromUtf8(c.language));
    f.command = QString::fromUtf8(c.command);
    f.numbersPerLine = QStringLiteral("2");
    EventYield none;
    const CodeTextOutcome outcome =
        codeTextFor(f, kFour, QStringLiteral("a b.png"), none, QStringLiteral("ok_icon"));
    EXPECT_EQ(outcome.code.text, c.expected);
    EXPECT_FALSE(outcome.code.incompleteLine);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CodeLayout, NamedTable, ::testing::Values(
    NamedTableCase{"AsmDt", "Asm", "Dt",
        QStringLiteral(";a b.png\r\nok_icon\r\n\tDt\t0X00,0X7F\r\n\tDt\t0XFF,0X18\r\n")},
    NamedTableCase{"AsmRetlw", "Asm", "Retlw",
        QStringLiteral(";a b.png\r\nok_icon\r\n\tRetlw\t0X00\r\n\tRetlw\t0X7F\r\n\tRetlw\t0XFF\r\n"
                       "\tRetlw\t0X18\r\n")},
    NamedTableCase{"ProtonBasic", "Proton Basic", "CData",
        QStringLiteral("'a b.png\r\nok_icon:\r\n\tCData\t$00,$7F\r\n\tCData\t$FF,$18\r\n\r\n")},
    NamedTableCase{"Ccs", "CCS", "Logo[]=",
        QStringLiteral("//a b.png\r\n   const int  ok_icon[]={\r\n\t\t0X00,0X7F,\r\n\t\t0XFF,0X18,\r\n"
                       "\r\n\r\n};\r\n")},
    NamedTableCase{"C", "C", "resim[]=",
        QStringLiteral("//a b.png\r\n#include <stdint.h>\r\nconst uint8_t ok_icon[]={\r\n"
                       "\t\t0x00,0x7F,\r\n\t\t0xFF,0x18,\r\n};\r\n")},
    NamedTableCase{"Arduino", "Arduino", "resim[]=",
        QStringLiteral("//a b.png\r\n#include <avr/pgmspace.h>\r\nconst uint8_t PROGMEM ok_icon[]={\r\n"
                       "\t\t0x00,0x7F,\r\n\t\t0xFF,0x18,\r\n};\r\n")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// A line of numbers with a comment of its own, as the glyphs of a font are written: every
// number on the one line (an array language keeps its last separator so that the next line
// goes on), the comment after the language's own marker; Retlw puts the comment first.
class CommentedDataLine : public ::testing::TestWithParam<NamedTableCase> {};

TEST_P(CommentedDataLine, HoldsTheCommentInTheLanguagesWay)
{
    const NamedTableCase& c = GetParam();
    const Bytes bytes = {0x3E, 0x09, 0x7F};
    NumberFormat f = presetFormat(QString::fromUtf8(c.language));
    f.command = QString::fromUtf8(c.command);
    f.numbersPerLine = QStringLiteral("2");  // never splits the line
    const Checked<TextFormat> read = readTextFormat(f);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(commentedDataLine(read.value(), bytes, QStringLiteral("0x41 A")), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CodeLayout, CommentedDataLine, ::testing::Values(
    NamedTableCase{"AsmDt", "Asm", "Dt", QStringLiteral("\tDt\t0X3E,0X09,0X7F ; 0x41 A\r\n")},
    NamedTableCase{"AsmRetlwCommentFirst", "Asm", "retlw",
        QStringLiteral("; 0x41 A\r\n\tretlw\t0X3E\r\n\tretlw\t0X09\r\n\tretlw\t0X7F\r\n")},
    NamedTableCase{"Ccs", "CCS", "Resim[]=", QStringLiteral("\t\t0X3E,0X09,0X7F, // 0x41 A\r\n")},
    NamedTableCase{"ProtonBasic", "Proton Basic", "CData", QStringLiteral("\tCData\t$3E,$09,$7F ' 0x41 A\r\n")},
    NamedTableCase{"C", "C", "resim[]=", QStringLiteral("\t\t0x3E,0x09,0x7F, // 0x41 A\r\n")},
    NamedTableCase{"Arduino", "Arduino", "resim[]=", QStringLiteral("\t\t0x3E,0x09,0x7F, // 0x41 A\r\n")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(CodeLayout, FramesOfAnEmptyTableAndAnEmptyPath)
{
    NumberFormat f = format("CCS", QStringLiteral("Resim[]="), QStringLiteral("0X"), 16);
    EXPECT_EQ(codeText(f, {}, {}).text,
              QStringLiteral("//\r\n   const int  Resim[]={\r\n\t\t\r\n\r\n\r\n};\r\n"));
    f.language = QStringLiteral("Proton Basic");
    f.command = QStringLiteral("CData");
    EXPECT_EQ(codeText(f, {}, {}).text, QStringLiteral("'\r\n\tCData\t\r\n\r\n"));
    f.language = QStringLiteral("Asm");
    f.command = QStringLiteral("RETLW");
    EXPECT_EQ(codeText(f, kFour.mid(0, 2), {}).text,
              QStringLiteral(";\r\n\tRETLW\t0X00\r\n\tRETLW\t0X7F\r\n"));
    f.command = QStringLiteral("Retlw");
    EXPECT_FALSE(codeText(f, kFour.mid(0, 3), {}).incompleteLine);
}

}  // namespace
}  // namespace pixmint
