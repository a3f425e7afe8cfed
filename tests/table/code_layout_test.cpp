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

CodeFormat format(const QString& command, const QString& prefix, int perLine,
                  const QString& separator = QStringLiteral(","), const QString& suffix = {})
{
    CodeFormat f;
    f.command = command;
    f.prefix = prefix;
    f.suffix = suffix;
    f.separator = separator;
    f.numbersPerLine = perLine;
    f.commentPath = QStringLiteral("C:\\logo.bmp");
    return f;
}

TEST(CodeLayout, WorkedExamplesMatchTheGoldenFiles)
{
    struct Case {
        const char* golden;
        CodeLanguage language;
        CodeFormat format;
        bool incomplete;
    };
    const QList<Case> cases = {
        {"asm-dt-2.inc", CodeLanguage::Asm, format(QStringLiteral("Dt"), QStringLiteral("0X"), 2),
         false},
        {"asm-retlw.inc", CodeLanguage::Asm,
         format(QStringLiteral("retlw"), QStringLiteral("0X"), 16), false},
        {"ccs-2.h", CodeLanguage::Ccs, format(QStringLiteral("Resim[]="), QStringLiteral("0X"), 2),
         false},
        {"proton-2.bas", CodeLanguage::ProtonBasic,
         format(QStringLiteral("CData"), QStringLiteral("$"), 2), false},
        {"asm-dt-3-incomplete.inc", CodeLanguage::Asm,
         format(QStringLiteral("Dt"), QStringLiteral("0X"), 3), true},
        {"ccs-3-incomplete.h", CodeLanguage::Ccs,
         format(QStringLiteral("Resim[]="), QStringLiteral("0X"), 3), true},
    };
    for (const Case& c : cases) {
        const LaidOutLines out = buildCodeText(c.language, kFour, c.format);
        EXPECT_EQ(out.text, golden(QString::fromLatin1(c.golden))) << c.golden;
        EXPECT_EQ(out.incompleteLine, c.incomplete) << c.golden;
    }
}

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

TEST(CodeLayout, LinesTable)
{
    const QString dt = QStringLiteral("Dt");
    const QString x = QStringLiteral("0X");
    const QString comma = QStringLiteral(",");
    const QList<LinesCase> cases = {
        {"zero per line is one",
         kFour.mid(0, 2),
         dt,
         x,
         {},
         comma,
         0,
         false,
         QStringLiteral("\tDt\t0X00\r\n\tDt\t0X7F\r\n"),
         false},
        {"negative per line is one",
         kFour.mid(0, 2),
         dt,
         x,
         {},
         comma,
         -3,
         false,
         QStringLiteral("\tDt\t0X00\r\n\tDt\t0X7F\r\n"),
         false},
        {"more per line than entries",
         kFour,
         dt,
         x,
         {},
         comma,
         100,
         false,
         QStringLiteral("\tDt\t0X00,0X7F,0XFF,0X18\r\n"),
         true},
        {"empty table", {}, dt, x, {}, comma, 16, false, QStringLiteral("\tDt\t\r\n"), true},
        {"two-character separator",
         kFour,
         dt,
         x,
         {},
         QStringLiteral(", "),
         2,
         false,
         QStringLiteral("\tDt\t0X00, 0X7F\r\n\tDt\t0XFF, 0X18\r\n"),
         false},
        {"two-character separator kept",
         kFour,
         {},
         x,
         {},
         QStringLiteral(", "),
         2,
         true,
         QStringLiteral("\t\t0X00, 0X7F, \r\n\t\t0XFF, 0X18, \r\n"),
         false},
        {"empty separator with suffix",
         kFour,
         dt,
         {},
         QStringLiteral("h"),
         {},
         2,
         false,
         QStringLiteral("\tDt\t00h7Fh\r\n\tDt\tFFh18h\r\n"),
         false},
        {"entries of other lengths",
         {QString(), QStringLiteral("3"), QStringLiteral("003F")},
         dt,
         x,
         {},
         comma,
         3,
         false,
         QStringLiteral("\tDt\t0X,0X3,0X003F\r\n"),
         false},
    };
    for (const LinesCase& c : cases) {
        EventYield none;
        const LaidOutLines out = SatırlarıOluştur(c.table, c.command, c.prefix, c.suffix,
                                                  c.separator, c.perLine, c.keepLast, none);
        EXPECT_EQ(out.text, c.expected) << c.name;
        EXPECT_EQ(out.incompleteLine, c.incomplete) << c.name;
    }
}

TEST(CodeLayout, FramesOfAnEmptyTableAndAnEmptyPath)
{
    CodeFormat f = format(QStringLiteral("Resim[]="), QStringLiteral("0X"), 16);
    f.commentPath.clear();
    EXPECT_EQ(buildCodeText(CodeLanguage::Ccs, {}, f).text,
              QStringLiteral("//\r\n   const int  Resim[]={\r\n\t\t\r\n\r\n\r\n};\r\n"));
    f.command = QStringLiteral("CData");
    EXPECT_EQ(buildCodeText(CodeLanguage::ProtonBasic, {}, f).text,
              QStringLiteral("'\r\n\tCData\t\r\n\r\n"));
    f.command = QStringLiteral("RETLW");
    EXPECT_EQ(buildCodeText(CodeLanguage::Asm, kFour.mid(0, 2), f).text,
              QStringLiteral(";\r\n\tRETLW\t0X00\r\n\tRETLW\t0X7F\r\n"));
    f.command = QStringLiteral("Retlw");
    EXPECT_FALSE(buildCodeText(CodeLanguage::Asm, kFour.mid(0, 3), f).incompleteLine);
}

}  // namespace
}  // namespace pixmint
