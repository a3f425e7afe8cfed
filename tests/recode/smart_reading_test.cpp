#include "smart_reading.h"
#include "code_texts.h"
#include "number_format.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// The tables as one line: "NAME dialect line: values" per table, joined by " | "; a table
// that is not bytes shows "!piece (count)" in place of its values.
QString described(const QList<FoundTable>& tables)
{
    QStringList parts;
    for (const FoundTable& table : tables) {
        QString part = QStringLiteral("%1 %2 %3:")
                           .arg(table.shownName(), dialectWord(table.dialect))
                           .arg(table.line);
        if (!table.isBytes()) {
            part += QStringLiteral(" !%1 (%2)").arg(table.notByte).arg(table.count);
        } else {
            for (const char byte : table.bytes)
                part += QLatin1Char(' ') + QString::number(static_cast<unsigned char>(byte));
        }
        parts << part;
    }
    return parts.join(QStringLiteral(" | "));
}

struct RuleCase {
    const char* rule;
    const char16_t* text;
    const char16_t* tables;
};

TEST(SmartReading, EachRuleFindsItsTablesAndNumbers)
{
    const RuleCase cases[] = {
        // Comments of every dialect; their commas and numbers give nothing.
        {"asm comment", u"\tdt 1,2,3 ; 4,5", u"- asm 1: 1 2 3"},
        {"line comment", u"const char a[] = {1, 2, // 3, 4\n 5};", u"a c 1: 1 2 5"},
        {"block comments", u"char a[]={1, /* 9, 9 */ 2,\n/* 7,\n 8 */ 3};", u"a c 1: 1 2 3"},
        {"basic comment", u"\tCData $01, $02 ' 3, 4", u"- basic 1: 1 2"},
        {"quote at line start", u"' 1, 2\n'3'\n\tretlw 'A'", u"- asm 3: 65"},
        {"radix quotes are no comment", u"\tretlw b'00000101' ; 9\n\tretlw h'3F'\n\tretlw D'10'",
         u"- asm 1: 5 63 10"},
        {"character constants", u"const char s[] = {'+', '\\n', '\\x41', '\\'', ';', '/'};",
         u"s c 1: 43 10 65 39 59 47"},
        {"comment markers in strings", u"\tdb \"a;b\", 1 ; 2", u"- asm 1: !\"a;b\" (1)"},
        // Numbers in every base.
        {"hexadecimal", u"0x1F, 0X1f, $1F, &H1F, &h1f, 1Fh, 0FFh, h'1f', 0x0Fu",
         u"- numbers 1: 31 31 31 31 31 31 255 31 15"},
        {"binary", u"0b101, 0B101, %101, b'101', B'101', 0b1h, B00000101",
         u"- numbers 1: 5 5 5 5 5 177 5"},
        {"decimal", u"10, d'10', 010, 10u, 10UL", u"- numbers 1: 10 10 10 10 10"},
        {"no numbers", u"0x, $, 1G, 0b2, h'', x'1', 1.5, B2, B111111111", u""},
        // C initialisers.
        {"x[] = {", u"x[] = {1,2};", u"x c 1: 1 2"},
        {"x [] = {", u"const char x [] = {1,2};", u"x c 1: 1 2"},
        {"x[1024] = {", u"static const unsigned char x[1024] = {\n\t0x01, 0x02,\n};",
         u"x c 2: 1 2"},
        {"x[] PROGMEM = {", u"const uint8_t x[] PROGMEM = {\n0x01, 0x02\n};", u"x c 2: 1 2"},
        {"qualifiers and attributes",
         u"unsigned char code a[] = {1};\n"
         u"const uint8_t b[] __attribute__((progmem)) = {2};\n"
         u"const __flash char c[2] = {3};",
         u"a c 1: 1 | b c 2: 2 | c c 3: 3"},
        {"x[128][7] = { rows", u"const char font[2][3] = {\n{1,2,3},\n{4,5,6},\n};",
         u"font c 2: 1 2 3 4 5 6"},
        {"head over lines", u"const unsigned char logo[]\n=\n{\n#if X\n1\n#endif\n};",
         u"logo c 5: 1"},
        {"declaration macro", u"GLCDFONTDECL(Font5x7) = {\n 0x0, 0x0, 5,\n};\nif (f(x)) {\n1, 2 }",
         u"Font5x7 c 2: 0 0 5"},
        {"struct is no array", u"const S s = {1, 2};\nif (a[0] == b) {\nx = 1,\n}", u""},
        {"strings are no numbers", u"const char* m[] = {\"ab\", 1};", u"m c 1: !\"ab\" (1)"},
        // Assembler label blocks.
        {".db 0,0,0", u"logo: .db 0,0,0", u"logo asm 1: 0 0 0"},
        {"db TAB 2,128", u"\tdb\t2,128", u"- asm 1: 2 128"},
        {"label line opens a block",
         u"Logo\n\tretlw 0x01\n\n; c\n\tretlw 0x02\n\tmovlw 3\n\tretlw 4",
         u"Logo asm 2: 1 2 | - asm 7: 4"},
        {"labels split blocks", u"A: .DB 1\n.db 2\nB: .byte 3\nC:\n\tDE 4",
         u"A asm 1: 1 2 | B asm 3: 3 | C asm 5: 4"},
        {"#define LCDWIDTH 84", u"#define LCDWIDTH 84\n#define DT 1, \\\n 2, 3", u""},
        {"code lines with commas",
         u"\tbcf TRISB,0,BANKED\n\tdrawline(x0, y0, x1, y1);\n"
         u"db = 5, 6\n data[i] = 1, 2",
         u""},
        {"decimal above 255", u"\tdb 1, 256, 3", u"- asm 1: !256 (3)"},
        // BASIC.
        {"Table … End Table", u"Table Logo\n 1, 2\n 3 ' x\nEnd Table\n 4, 5",
         u"Logo basic 2: 1 2 3 | - numbers 5: 4 5"},
        {"CData continued", u"Logo: CData $01, $02,_\n $03\n\tCData %11", u"Logo basic 1: 1 2 3 3"},
        {"Data of BASIC", u"Data 1, 2, _\n 3 ' x", u"- basic 1: 1 2 3"},
        {"data of assembler", u"\tdata 0x3FFF, 1", u"- asm 1: !0x3FFF (2)"},
        // Runs of bare numbers.
        {"numbers run", u"0x01, 0x02,\n// x\n\n0x03\nx\n4", u"- numbers 1: 1 2 3 | - numbers 6: 4"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(described(findTables(QString::fromUtf16(c.text))), QString::fromUtf16(c.tables));
    }
}

TEST(SmartReading, TheSourceGroupShowsTheTablesFormat)
{
    const struct {
        const char16_t* text;
        const char* language;
        const char16_t* command;
        const char16_t* prefix;
        const char16_t* suffix;
    } cases[] = {
        {u"\tretlw b'1'", "Asm", u"retlw", u"b'", u"'"},
        {u"l: .DB 3Fh", "Asm", u".DB", u"", u"h"},
        {u"const char logo[] = {0x01};", "CCS", u"logo[]=", u"0x", u""},
        {u"\tCData $01", "Proton Basic", u"CData", u"$", u""},
        {u"Table T\n%1\nEnd Table", "Proton Basic", u"CData", u"%", u""},
        {u"1, 2", "CCS", u"Resim[]=", u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const QList<FoundTable> tables = findTables(QString::fromUtf16(c.text));
        ASSERT_EQ(tables.size(), 1);
        const NumberFormat format = withTableFormat(presetFormat(s(u"CCS")), tables[0]);
        EXPECT_EQ(format.language, QString::fromUtf8(c.language));
        EXPECT_EQ(format.command, QString::fromUtf16(c.command));
        EXPECT_EQ(format.prefix, QString::fromUtf16(c.prefix));
        EXPECT_EQ(format.suffix, QString::fromUtf16(c.suffix));
    }
}

TEST(SmartReading, TheChosenTable)
{
    const QString text = s(u"a: .db 1, 2\nb: .db 3, 4, 5\nc: .db 6, 300\nd: .db 7, 8, 9");
    const QList<FoundTable> tables = findTables(text);
    const struct {
        const char* choice;
        const char16_t* entries;
        const char16_t* failure;
        const char16_t* leftOut;
        qsizetype first;
    } cases[] = {
        {"", u"03 04 05", u"", u"", 1},
        {"all", u"01 02 03 04 05 07 08 09", u"", u"Bayt tablosu olmayan tablolar alınmadı: c.", 0},
        {"3", u"07 08 09", u"", u"", 3},
        {"d", u"07 08 09", u"", u"", 3},
        {"2", u"", u"Tablo c bayt tablosu değil: 300", u"", 2},
        {"4", u"", u"Tablo bulunamadı: 4", u"", -1},
        {"99999999999999999999", u"", u"Tablo bulunamadı: 99999999999999999999", u"", -1},
        {"D", u"", u"Tablo bulunamadı: D", u"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        const TableChoice choice =
            *c.choice ? tableChoiceFrom(QString::fromUtf8(c.choice)) : TableChoice();
        const ChosenTable chosen = chooseTable(tables, choice);
        EXPECT_EQ(chosen.entries.join(u' '), QString::fromUtf16(c.entries));
        EXPECT_EQ(chosen.failure, QString::fromUtf16(c.failure));
        EXPECT_EQ(chosen.leftOut, QString::fromUtf16(c.leftOut));
        EXPECT_EQ(chosen.first, c.first);
    }

    // No byte table: the largest is named; no table at all.
    const QList<FoundTable> wide = findTables(s(u"\tdw 1\n\tdb 1, 999\nx: db 300"));
    EXPECT_EQ(chooseTable(wide, {}).failure, s(u"Tablo - bayt tablosu değil: 999"));
    EXPECT_EQ(chooseTable(wide, tableChoiceFrom(s(u"all"))).failure,
              s(u"Tablo - bayt tablosu değil: 999"));
    EXPECT_EQ(chooseTable(findTables(s(u"; nothing")), {}).failure, s(u"Tablo bulunamadı."));
}

// Every text the program writes, in every language and with every command of its presets,
// read smartly gives back the table it was written from.
TEST(SmartReading, EveryTextTheProgramWritesReadsBack)
{
    for (const int count : {1024, 1009, 1}) {
        QStringList table;
        for (int i = 0; i < count; ++i)
            table
                << QStringLiteral("%1").arg((i * 37 + 11) % 256, 2, 16, QLatin1Char('0')).toUpper();
        for (const Language& preset : languages()) {
            for (const QString& command : preset.commandTexts()) {
                SCOPED_TRACE(::testing::Message() << preset.name.toStdString() << " "
                                                  << command.toStdString() << " " << count);
                NumberFormat format = presetFormat(preset.name);
                format.command = command;
                const QString text =
                    testing::codeText(format, table, s(u"C:\\Belgeler\\'a' b;c,1'.bmp"));
                const QList<FoundTable> tables = findTables(text);
                EXPECT_EQ(tables.size(), 1);
                EXPECT_EQ(chooseTable(tables, {}).entries, table);
            }
        }
    }
}

// The tables as expected_tables.py writes them: one line per table, name, dialect, count,
// line, then the values in two hexadecimal digits or "!" and the first piece that is none.
QString listed(const QList<FoundTable>& tables)
{
    QString text;
    for (const FoundTable& table : tables) {
        QStringList values;
        for (const char byte : table.bytes)
            values << QStringLiteral("%1")
                          .arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'))
                          .toUpper();
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                    .arg(table.shownName(), dialectWord(table.dialect))
                    .arg(table.count)
                    .arg(table.line)
                    .arg(table.isBytes() ? values.join(u' ') : u'!' + table.notByte);
    }
    return text;
}

// Include files written by others: every table a reader sees, as a script that reads them
// with regular expressions of its own found them (tests/data/corpus/smart).
TEST(SmartReading, TheCorpusGivesTheTablesFoundByHand)
{
    const QDir corpus(testing::testData(QStringLiteral("corpus")));
    QDirIterator files(corpus.path(),
                       {QStringLiteral("*.h"), QStringLiteral("*.asm"), QStringLiteral("*.inc")},
                       QDir::Files, QDirIterator::Subdirectories);
    int checked = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = corpus.relativeFilePath(path).replace(u'/', QStringLiteral("__"));
        QFile expected(
            corpus.filePath(QStringLiteral("smart/expected/") + name + QStringLiteral(".tables")));
        if (!expected.open(QIODevice::ReadOnly))
            continue;
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(listed(findTables(readSingleByteFile(path))),
                  QString::fromUtf8(expected.readAll()));
        ++checked;
    }
    EXPECT_EQ(checked, 15);
}

}  // namespace
}  // namespace pixmint
