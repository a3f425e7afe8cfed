#include "smart_reading.h"
#include "code_texts.h"
#include "number_format.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace pixmint {
namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// The tables as one line: "NAME dialect line: values" per table, joined by " | "; a table
// that is not bytes shows "!piece (count)" in place of its values, and each warning follows
// after a "?". A cell font ends in "[cells WxH]", with "+N" leading size numbers and
// "from C" a stated first code.
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
        for (const QString& warning : table.warnings)
            part += QStringLiteral(" ?") + warning;
        if (!table.glyphCell.isEmpty()) {
            part += QStringLiteral(" [cells %1x%2")
                        .arg(table.glyphCell.width())
                        .arg(table.glyphCell.height());
            if (table.glyphSkip > 0)
                part += QStringLiteral("+%1").arg(table.glyphSkip);
            if (table.glyphFirst >= 0)
                part += QStringLiteral(" from %1").arg(table.glyphFirst);
            part += u']';
        }
        parts << part;
    }
    return parts.join(QStringLiteral(" | "));
}

struct RuleCase {
    const char* name;
    QString text;
    QString tables;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class Rule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rule, FindsItsTablesAndNumbers)
{
    EXPECT_EQ(described(findTables(GetParam().text)), GetParam().tables);
}

// A constant expression nested `depth` parentheses deep inside an initialiser.
QString nested(int depth)
{
    return QStringLiteral("const char t[] = { %1 };")
        .arg(QString(depth, u'(') + QStringLiteral("1") + QString(depth, u')'));
}

// Macros that each double the one before: the last stands for 2^30 tokens.
QString doublingMacros()
{
    QString text = QStringLiteral("#define M0 1\n");
    for (int i = 1; i <= 30; ++i)
        text += QStringLiteral("#define M%1 M%2+M%2\n").arg(i).arg(i - 1);
    return text + QStringLiteral("const char t[] = { 1, M30 };");
}

// Assembler data lines, one number a line after `head` ("retlw ", ".db #"), for the numbers
// first to last.
QString dataLines(const char* head, int first, int last)
{
    QString lines;
    for (int value = first; value <= last; ++value)
        lines += QStringLiteral("\t%1%2\n").arg(QString::fromUtf8(head)).arg(value);
    return lines;
}

// The numbers first to last as described() shows them, each after a space.
QString numbersShown(int first, int last)
{
    QString shown;
    for (int value = first; value <= last; ++value)
        shown += QStringLiteral(" %1").arg(value);
    return shown;
}

// Tom Torfs's binary constants, as firmware of the field writes them.
const char16_t* const kB8 =
    u"#define HEX__(n) 0x##n##LU\n"
    u"#define B8__(x) ((x&0x0000000FLU)?1:0) \\\n+((x&0x000000F0LU)?2:0) \\\n"
    u"+((x&0x00000F00LU)?4:0) \\\n+((x&0x0000F000LU)?8:0) \\\n+((x&0x000F0000LU)?16:0) \\\n"
    u"+((x&0x00F00000LU)?32:0) \\\n+((x&0x0F000000LU)?64:0) \\\n+((x&0xF0000000LU)?128:0)\n"
    u"#define B8(d) ((unsigned char)B8__(HEX__(d)))\n"
    u"static const uchar t[] =\n{\n\tB8(00000000),B8(01111110), //; Odd (A) 0 0001101 \");\n};";

// clang-format off
INSTANTIATE_TEST_SUITE_P(SmartReading, Rule, ::testing::Values(
    // Comments of every dialect; their commas and numbers give nothing.
    RuleCase{"AsmComment", s(u"\tdt 1,2,3 ; 4,5"), s(u"- asm 1: 1 2 3")},
    RuleCase{"LineComment", s(u"const char a[] = {1, 2, // 3, 4\n 5};"), s(u"a c 1: 1 2 5")},
    RuleCase{"BlockComments", s(u"char a[]={1, /* 9, 9 */ 2,\n/* 7,\n 8 */ 3};"), s(u"a c 1: 1 2 3")},
    RuleCase{"BasicComment", s(u"\tCData $01, $02 ' 3, 4"), s(u"- basic 1: 1 2")},
    RuleCase{"QuoteAtLineStart", s(u"' 1, 2\n'3'\n\tretlw 'A'"), s(u"- asm 3: 65")},
    RuleCase{"RadixQuotesAreNoComment", s(u"\tretlw b'00000101' ; 9\n\tretlw h'3F'\n\tretlw D'10'"),
             s(u"- asm 1: 5 63 10")},
    RuleCase{"CharacterConstants", s(u"const char s[] = {'+', '\\n', '\\x41', '\\'', ';', '/'};"),
             s(u"s c 1: 43 10 65 39 59 47")},
    RuleCase{"CommentMarkersInStrings", s(u"\tdb \"a;b\", 1 ; 2"), s(u"- asm 1: !\"a;b\" (1)")},
    RuleCase{"DashComments", s(u"\tdb 1, 2 -- 3, \"\n\tdb 4 -- '"), s(u"- asm 1: 1 2 4")},
    RuleCase{"BasicQuoteIsNeverACharacter", s(u"Table T\n 0, 1 ' '\n 2 ' \"\nEnd Table\n\tCData $01, $02 ' '"),
             s(u"T basic 2: 0 1 2 | - basic 5: 1 2")},
    // Numbers in every base.
    RuleCase{"Hexadecimal", s(u"0x1F, 0X1f, $1F, &H1F, &h1f, 1Fh, 0FFh, h'1f', 0x0Fu"),
             s(u"- numbers 1: 31 31 31 31 31 31 255 31 15")},
    RuleCase{"Binary", s(u"0b101, 0B101, %101, b'101', B'101', 0b1h, B00000101"),
             s(u"- numbers 1: 5 5 5 5 5 177 5")},
    RuleCase{"Decimal", s(u"10, d'10', 010, 10u, 10UL"), s(u"- numbers 1: 10 10 10 10 10")},
    RuleCase{"NoNumbers", s(u"0x, $, 1G, 0b2, h'', x'1', 1.5, B2, B111111111"), s(u"")},
    RuleCase{"OctalSuffixedAndSeparated",
             s(u"0o17, &O17, &B101, 00000101b, 0x3Cu8, 60u8, 0b0011_1100, 1_0, b'A'"),
             s(u"- numbers 1: 15 15 5 5 60 60 60 10 65")},
    RuleCase{"NoNumbersEither", s(u"_1, 1_, 0x_1, 0o8, &Q1, 2b, b'AB'"), s(u"")},
    // C initialisers.
    RuleCase{"XBracketsEqualsBrace", s(u"x[] = {1,2};"), s(u"x c 1: 1 2")},
    RuleCase{"XSpaceBrackets", s(u"const char x [] = {1,2};"), s(u"x c 1: 1 2")},
    RuleCase{"XWithSize", s(u"static const unsigned char x[1024] = {\n\t0x01, 0x02,\n};"),
             s(u"x c 2: 1 2")},
    RuleCase{"XProgmem", s(u"const uint8_t x[] PROGMEM = {\n0x01, 0x02\n};"), s(u"x c 2: 1 2")},
    RuleCase{"QualifiersAndAttributes",
             s(u"unsigned char code a[] = {1};\n"
               u"const uint8_t b[] __attribute__((progmem)) = {2};\n"
               u"const __flash char c[2] = {3};"),
             s(u"a c 1: 1 | b c 2: 2 | c c 3: 3")},
    RuleCase{"RowsOfATwoDimensionalArray", s(u"const char font[2][3] = {\n{1,2,3},\n{4,5,6},\n};"),
             s(u"font c 2: 1 2 3 4 5 6")},
    RuleCase{"HeadOverLines", s(u"const unsigned char logo[]\n=\n{\n#if X\n1\n#endif\n};"),
             s(u"logo c 5: 1")},
    RuleCase{"DeclarationMacro",
             s(u"GLCDFONTDECL(Font5x7) = {\n 0x0, 0x0, 5,\n};\nif (f(x)) {\n1, 2 }"),
             s(u"Font5x7 c 2: 0 0 5")},
    RuleCase{"StructIsNoArray", s(u"const S s = {1, 2};\nif (a[0] == b) {\nx = 1,\n}"), s(u"")},
    RuleCase{"StringsAreNoNumbers", s(u"const char* m[] = {\"ab\", 1};"), s(u"m c 1: !\"ab\" (1)")},
    // The preprocessor inside an initialiser.
    RuleCase{"NestedIfAndElse",
             s(u"#define W 5\nconst char t[] = {\n#if W > 4\n1,\n#if 0\n2,\n#else\n3,\n#endif\n"
               u"#else\n4,\n#endif\n};"),
             s(u"t c 4: 1 3")},
    RuleCase{"IfdefOfABuildSwitchWithAnElse",
             s(u"const char t[] = {\n#ifdef USE_X\n1,\n#elif defined(__AVR__)\n2,\n#else\n3,\n#endif\n};"),
             s(u"t c 7: 3")},
    RuleCase{"UndecidableCondition",
             s(u"const char t[] = {\n#if FOO(1)\n1,\n#else\n2,\n#endif\n};"),
             s(u"t c 5: 2 ?Satır 2: \"FOO(1)\" koşulu çözülemedi, #if 0 gibi okundu.")},
    RuleCase{"MacroCallsAndExpressions",
             s(u"#define BITS(a,b,c) \\\n ((a<<2)|(b<<1)|c)\n#define TOP 0x80\n"
               u"const char t[] = { BITS(1,0,1), BITS(0,\n1,1), TOP|0x01, (1<<3), ~0xFE & 0xFF,\n"
               u"(unsigned char)0x1FF, 'A'+1, 010 + 0 };"),
             s(u"t c 4: 5 3 129 8 1 255 66 8")},
    RuleCase{"BinaryConstantsOfTomTorfs", s(kB8), s(u"t c 13: 0 126")},
    RuleCase{"SelfExpandingMacro", s(u"#define X (X+1)\nconst char t[] = { X, 1 };"),
             s(u"t c 2: !X (1)")},
    RuleCase{"NestedTenThousandDeep", nested(10000), s(u"t c 1: !") + QString(10000, u'(') +
             s(u"1") + QString(10000, u')') + s(u" (0)")},
    RuleCase{"NestedAHundredDeep", nested(100), s(u"t c 1: 1")},
    RuleCase{"MacroGrowingBeyondItsBound", doublingMacros(), s(u"t c 32: !M30 (1)")},
    // Assembler label blocks.
    RuleCase{"DotDbAfterLabel", s(u"logo: .db 0,0,0"), s(u"logo asm 1: 0 0 0")},
    RuleCase{"DbTab", s(u"\tdb\t2,128"), s(u"- asm 1: 2 128")},
    RuleCase{"LabelLineOpensABlock",
             s(u"Logo\n\tretlw 0x01\n\n; c\n\tretlw 0x02\n\tmovlw 3\n\tretlw 4"),
             s(u"Logo asm 2: 1 2 | - asm 7: 4")},
    RuleCase{"LabelsSplitBlocks", s(u"A: .DB 1\n.db 2\nB: .byte 3\nC:\n\tDE 4"),
             s(u"A asm 1: 1 2 | B asm 3: 3 | C asm 5: 4")},
    RuleCase{"Defines", s(u"#define LCDWIDTH 84\n#define DT 1, \\\n 2, 3"), s(u"")},
    RuleCase{"CodeLinesWithCommas",
             s(u"\tbcf TRISB,0,BANKED\n\tdrawline(x0, y0, x1, y1);\n"
               u"db = 5, 6\n data[i] = 1, 2"),
             s(u"")},
    RuleCase{"DecimalAbove255", s(u"\tdb 1, 256, 3"), s(u"- asm 1: !256 (3)")},
    RuleCase{"OtherAssemblersDataWords",
             s(u"font:\n\tdefb $00, $f0 ;\t// '\n\tDEFB 00000011b\n\tdc.b %00111100\n\tfcb $18\n"
               u"\t.byt 1\n\tdcb 0x02\n\tbyte $FF\n\tdfb 4\n\tdta 5\n\tdefm \"A\""),
             s(u"font asm 2: !\"A\" (10)")},
    RuleCase{"TexasInstrumentsHexadecimal", s(u"CLRSET BYTE >E0,>10 ;\n       BYTE >17"),
             s(u"CLRSET asm 1: 224 16 23")},
    RuleCase{"ByteDeclarationIsNoData", s(u"\tbyte x = 5;\n\tdefb LABEL"), s(u"")},
    RuleCase{"AFontOfLabelledCharacters",
             s(u"fonttable:\n\nfontA:\n\tdc.b 1\n\tdc.b 2\n; b\nfontB:\n\tdc.b 3\n\tmove.l d0,d1\n\tdc.b 4"),
             s(u"fonttable asm 4: 1 2 3 | - asm 10: 4")},
    RuleCase{"ADisassembledFont", s(u"charset\n\n; $20\nL3D00: DEFB %00000000\n\tDEFB %00010000\nL3D08:\tDEFB 1"),
             s(u"charset asm 4: 0 16 1")},
    RuleCase{"CompilerGuardIsNoTable",
             s(u"__stringbase:\n\tretlw\t0\npsect\tstrings\n\tline\t48\n_keypad:\n\tretlw\t031h\n\tretlw\t0"),
             s(u"_keypad asm 6: 49 0")},
    RuleCase{"Xc8WritesZeroAsLow", s(u"_Font:\n\tretlw\tlow(0)\n\tretlw\t07Fh\n\tretlw\thigh(0x1234)\n\tretlw\tlow(_x)"),
             s(u"_Font asm 2: !low(_x) (3)")},
    RuleCase{"Xc8ZerosAreBytes", s(u"_Font:\n\tretlw\tlow(0)\n\tretlw\t07Fh\n\tretlw\tHIGH (0x1234)"),
             s(u"_Font asm 2: 0 127 18")},
    RuleCase{"CompilerLabelJoinsNothing", s(u"__stringdata:\nSTR_1:\n\tretlw 65\nSTR_2:\n\tretlw 66"),
             s(u"STR_1 asm 3: 65 | STR_2 asm 5: 66")},
    // Tables split in labelled parts: sdcc's output of a font written in parts, its ".db #N".
    RuleCase{"SplitPartsJoin",
             s(u"\t.area CONST   (CODE)\n_font_part1:\n") + dataLines(".db #", 1, 64) +
                 s(u"_font_part2:\n") + dataLines(".db #", 65, 66) + s(u"_segments:\n\t.db #0x3f\n"),
             s(u"_font_part1 asm 3:") + numbersShown(1, 66) + s(u" | _segments asm 71: 63")},
    RuleCase{"GccWritesThePartsLastFirst",
             s(u".global\tfont_part2\n\t.type\tfont_part2, @object\nfont_part2:\n") +
                 dataLines(".byte\t", 65, 66) +
                 s(u".global\tfont_part1\n\t.section\t.rodata\n\t.size\tfont_part1, 64\nfont_part1:\n") +
                 dataLines(".byte\t", 1, 64),
             s(u"font_part1 asm 10:") + numbersShown(1, 66)},
    RuleCase{"GuardBetweenPartsIsLeftOut",
             s(u"BigFont32_41\taddwf PCL,F\n") + dataLines("retlw ", 1, 64) +
                 s(u"\tORG 0x100\n\tretlw 0\n\tpagesel $\nBigFont42_51\taddwf PCL,F\n") +
                 dataLines("retlw ", 65, 66),
             s(u"BigFont32_41 asm 2:") + numbersShown(1, 66) +
                 s(u" ?Satır 67: parçaların arasında tek başına duran \"retlw 0\" bir koruma sayılıp alınmadı.")},
    RuleCase{"UnrelatedTablesStayApart",
             s(u"_ir_format_tbl:\n") + dataLines("retlw ", 1, 64) +
                 s(u"\tglobal\t_ir_func1_code_tbl\npsect\tstringtext2,class=CODE,delta=2\n"
                   u"__pstringtext2:\n\tfile\t\"ir_data.h\"\n\tline\t36\n_ir_func1_code_tbl:\n\tretlw\t2"),
             s(u"_ir_format_tbl asm 2:") + numbersShown(1, 64) + s(u" | _ir_func1_code_tbl asm 72: 2")},
    RuleCase{"CodeOrAShortPartKeepsPartsApart",
             s(u"font1:\n") + dataLines("dt ", 1, 64) + s(u"\tmovlw 3\nfont2:\n\tdt 65\nfont3:\n\tdt 66"),
             s(u"font1 asm 2:") + numbersShown(1, 64) +
                 s(u" | font2 asm 68: 65 | font3 asm 70: 66")},
    // BASIC.
    RuleCase{"TableEndTable", s(u"Table Logo\n 1, 2\n 3 ' x\nEnd Table\n 4, 5"),
             s(u"Logo basic 2: 1 2 3 | - numbers 5: 4 5")},
    RuleCase{"CDataContinued", s(u"Logo: CData $01, $02,_\n $03\n\tCData %11"), s(u"Logo basic 1: 1 2 3 3")},
    RuleCase{"DataOfBasic", s(u"Data 1, 2, _\n 3 ' x"), s(u"- basic 1: 1 2 3")},
    RuleCase{"DataOfAssembler", s(u"\tdata 0x3FFF, 1"), s(u"- asm 1: !0x3FFF (2)")},
    // Runs of bare numbers.
    RuleCase{"NumbersRun", s(u"0x01, 0x02,\n// x\n\n0x03\nx\n4"), s(u"- numbers 1: 1 2 3 | - numbers 6: 4")},
    // Languages that write their tables with brackets of their own.
    RuleCase{"Jal", s(u"-- font\nconst byte F[] =\n{\n 0x01, 0x02, -- \"\n ;0x09,\n 0x03} -- '\n-- 0x7F"),
             s(u"F jal 4: 1 2 3")},
    RuleCase{"PythonBytearray", s(u"buf = bytearray(b'\\x00A\\n\\'' b\"B\")"), s(u"buf python 1: 0 65 10 39 66")},
    RuleCase{"PythonBytesOfAList", s(u"ICON = bytes([0x01, 2, # 7, 8\n 3])  # 9"), s(u"ICON python 1: 1 2 3")},
    RuleCase{"PythonListOfLists", s(u"ICON = [\n    [0, 1],\n    [1, 0],\n]"), s(u"ICON python 2: 0 1 1 0")},
    RuleCase{"PythonByteStringsJoinedByBackslash", s(u"_font =\\\nb'\\x01\\x02'\\\nb'\\x03'\n\n_x = 1"),
             s(u"_font python 2: 1 2 3")},
    RuleCase{"PythonThatIsNoTable", s(u"buf = bytearray(16)\nx = (a + b)\ny = [i for i in z]\nz = bytes(range(8))"),
             s(u"")},
    RuleCase{"Pascal", s(u"const F: array[0..2] of byte = ($3C, { x, 9 } %101, (* 7 *) 8);\n"
                         u"G : packed array [0..1, 0..1] of Byte =\n  ((1, 2), // 9\n   (3, 4));"),
             s(u"F pascal 1: 60 5 8 | G pascal 3: 1 2 3 4")},
    RuleCase{"Rust", s(u"static F: [u8; 3] = [0x3Cu8, 0b0011_1100, b'A'];\n"
                       u"pub const G: &[u8] = &[\n    1, // 9\n    b\"AB\",\n];\n"
                       u"const H: [[u8; 2]; 2] = [[1, 2], [3, 4]];"),
             s(u"F rust 1: 60 60 65 | G rust 3: 1 65 66 | H rust 6: 1 2 3 4")},
    RuleCase{"Zig", s(u"const F = [_]u8{ 0xF0, 0o17, 'A' };\npub const G: [2][1]u8 = .{\n .{1},\n .{2},\n};"),
             s(u"F zig 1: 240 15 65 | G zig 3: 1 2")},
    RuleCase{"ReadmemhFile", s(u"// font\n@0000\n3C 7E\nff 0_0 // x\n"), s(u"- mem 3: 60 126 255 0")},
    RuleCase{"ReadmembFile", s(u"00111100\n01111110\n"), s(u"- mem 1: 60 126")},
    RuleCase{"ReadmemhWithUnknownBits", s(u"3C\nxx\n1F 2"), s(u"- mem 1: !xx (3)")},
    RuleCase{"DecimalLinesAreNoMemoryFile", s(u"10\n20\n"), s(u"- numbers 1: 10 20")},
    RuleCase{"CoeFile", s(u"; c\nmemory_initialization_radix=16;\nmemory_initialization_vector=\n3c,7E,\nff;\n"),
             s(u"- coe 4: 60 126 255")},
    RuleCase{"CoeFileInBinary", s(u"memory_initialization_radix = 2;\nmemory_initialization_vector = 00111100 1;"),
             s(u"- coe 2: 60 1")},
    RuleCase{"MifFile", s(u"WIDTH=8;\nDEPTH=5;\nADDRESS_RADIX=HEX;\nDATA_RADIX=HEX;\nCONTENT BEGIN\n"
                          u"  0 : 3C; % a, 9 %\n  [1..2] : FF; -- 8\n  3 : 0 1;\nEND;\n"),
             s(u"- mif 6: 60 255 255 0 1")},
    RuleCase{"MifFileInDecimal", s(u"DATA_RADIX = UNS;\nCONTENT\nBEGIN\n0 : 255;\n[1..0FFFFFFFFF] : 1;\nEND;"),
             s(u"- mif 4: ![1..0FFFFFFFFF] (1)")},
    // Fonts: an Adafruit GFX font's record is a table of its own, counting its glyphs, when
    // its arrays are there and the glyph array has six numbers a code.
    RuleCase{"AdafruitGfxFont",
             s(u"const uint8_t tBitmaps[] PROGMEM = {\n 0xE8, 0xB4 };\n"
               u"const GFXglyph tGlyphs[] PROGMEM = {{0, 1, 5, 2, 0, -5}, // !\n {1, 3, 2, 4, 0, -5}};\n"
               u"const GFXfont t PROGMEM = {(uint8_t *)tBitmaps,\n (GFXglyph *)tGlyphs, 0x21, 0x22, 6};"),
             s(u"tBitmaps c 2: 232 180 | tGlyphs c 3: !-5 (12) | t gfx 5: !(uint8_t *)tBitmaps (2)")},
    RuleCase{"GfxRecordWithoutItsGlyphs",
             s(u"const uint8_t bBitmaps[] = {0xE8};\nconst GFXglyph g[] = {{0, 1, 5, 2, 0, -5}};\n"
               u"const GFXfont f = {(uint8_t *)bBitmaps, (GFXglyph *)g, 0x20, 0x7E, 6};"),
             s(u"bBitmaps c 1: 232 | g c 2: !-5 (6) | f c 3: !(uint8_t *)bBitmaps (3)")},
    // Cell fonts: the glyph size a comment, the name or leading numbers state, when it divides
    // the table into two glyphs or more; a number such as 0x05 states nothing.
    RuleCase{"CellFontSizeInAComment", s(u"// 3x8 font\nconst char f[] = {1,2,3,4,5,6};"),
             s(u"f c 2: 1 2 3 4 5 6 [cells 3x8]")},
    RuleCase{"CellFontSizeInTheName", s(u"const char font4x8[] = {1,2,3,4,5,6,7,8};"),
             s(u"font4x8 c 1: 1 2 3 4 5 6 7 8 [cells 4x8]")},
    RuleCase{"CellFontTwoPagesHigh", s(u"/* 3 x 12 */ const char f[] = {1,2,3,4,5,6, 7,8,9,10,11,12};"),
             s(u"f c 1: 1 2 3 4 5 6 7 8 9 10 11 12 [cells 3x12]")},
    RuleCase{"CellFontLeadingSize", s(u"const char SmallFont[] = {3, 8, 1,2,3, 4,5,6};"),
             s(u"SmallFont c 1: 3 8 1 2 3 4 5 6 [cells 3x8+2]")},
    RuleCase{"CellFontLeadingSizeFirstAndCount", s(u"const char font[] = {3, 8, 0x41, 2, 1,2,3, 4,5,6};"),
             s(u"font c 1: 3 8 65 2 1 2 3 4 5 6 [cells 3x8+4 from 65]")},
    RuleCase{"CellSizeThatDoesNotDivide", s(u"// 5x7\nconst char f[] = {1,2,3,4,5,6};"),
             s(u"f c 2: 1 2 3 4 5 6")},
    RuleCase{"HexNumbersStateNoSize", s(u"const char f[] = {0x05, 0x07, 0x03, 0x08, 5, 6};"),
             s(u"f c 1: 5 7 3 8 5 6")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct FormatCase {
    const char* name;
    const char16_t* text;
    const char* language;
    const char16_t* command;
    const char16_t* prefix;
    const char16_t* suffix;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class SourceGroup : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SourceGroup, ShowsTheTablesFormat)
{
    const FormatCase& c = GetParam();
    const QList<FoundTable> tables = findTables(QString::fromUtf16(c.text));
    ASSERT_EQ(tables.size(), 1);
    const NumberFormat format = withTableFormat(presetFormat(s(u"CCS")), tables[0]);
    EXPECT_EQ(format.language, QString::fromUtf8(c.language));
    EXPECT_EQ(format.command, QString::fromUtf16(c.command));
    EXPECT_EQ(format.prefix, QString::fromUtf16(c.prefix));
    EXPECT_EQ(format.suffix, QString::fromUtf16(c.suffix));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SmartReading, SourceGroup, ::testing::Values(
    FormatCase{"AsmRetlw", u"\tretlw b'1'", "Asm", u"retlw", u"b'", u"'"},
    FormatCase{"AsmDotDb", u"l: .DB 3Fh", "Asm", u".DB", u"", u"h"},
    FormatCase{"C", u"const char logo[] = {0x01};", "CCS", u"logo[]=", u"0x", u""},
    FormatCase{"ProtonCData", u"\tCData $01", "Proton Basic", u"CData", u"$", u""},
    FormatCase{"BasicTable", u"Table T\n%1\nEnd Table", "Proton Basic", u"CData", u"%", u""},
    FormatCase{"Numbers", u"1, 2", "CCS", u"Resim[]=", u"", u""},
    FormatCase{"Z80Defb", u"\tdefb $01", "Asm", u"defb", u"$", u""},
    FormatCase{"SdccImmediateMark", u"\t.db #0x3f", "Asm", u".db", u"0x", u""},
    FormatCase{"JalKeepsTheLanguage", u"const byte F[] =\n{ 0x01 }\n-- c", "CCS", u"Resim[]=", u"0x", u""},
    FormatCase{"PascalKeepsTheLanguage", u"F: array[0..0] of byte = ($3C);", "CCS", u"Resim[]=", u"$", u""}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct ChoiceCase {
    const char* name;
    const char* choice;
    const char16_t* entries;
    const char16_t* failure;
    const char16_t* leftOut;
    qsizetype first;
};

void PrintTo(const ChoiceCase& c, std::ostream* os)
{
    *os << c.name;
}

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, TakesTheChosenTable)
{
    const ChoiceCase& c = GetParam();
    const QList<FoundTable> tables =
        findTables(s(u"a: .db 1, 2\nb: .db 3, 4, 5\nc: .db 6, 300\nd: .db 7, 8, 9"));
    const TableChoice choice =
        *c.choice ? tableChoiceFrom(QString::fromUtf8(c.choice)) : TableChoice();
    const ChosenTable chosen = chooseTable(tables, choice);
    EXPECT_EQ(chosen.entries.join(u' '), QString::fromUtf16(c.entries));
    EXPECT_EQ(chosen.failure, QString::fromUtf16(c.failure));
    EXPECT_EQ(chosen.leftOut, QString::fromUtf16(c.leftOut));
    EXPECT_EQ(chosen.first, c.first);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SmartReading, Choice, ::testing::Values(
    ChoiceCase{"Largest", "", u"03 04 05", u"", u"", 1},
    ChoiceCase{"All", "all", u"01 02 03 04 05 07 08 09", u"", u"Bayt tablosu olmayan tablolar alınmadı: c.", 0},
    ChoiceCase{"Index", "3", u"07 08 09", u"", u"", 3},
    ChoiceCase{"Name", "d", u"07 08 09", u"", u"", 3},
    ChoiceCase{"NotBytes", "2", u"", u"Tablo c bayt tablosu değil: 300", u"", 2},
    ChoiceCase{"IndexBeyond", "4", u"", u"Tablo bulunamadı: 4", u"", -1},
    ChoiceCase{"IndexBeyondAnyNumber", "99999999999999999999", u"", u"Tablo bulunamadı: 99999999999999999999", u"", -1},
    ChoiceCase{"NameOfAnotherCase", "D", u"", u"Tablo bulunamadı: D", u"", -1}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(SmartReading, WithoutAByteTableTheLargestIsNamed)
{
    // No byte table: the largest is named; no table at all.
    const QList<FoundTable> wide = findTables(s(u"\tdw 1\n\tdb 1, 999\nx: db 300"));
    EXPECT_EQ(chooseTable(wide, {}).failure, s(u"Tablo - bayt tablosu değil: 999"));
    EXPECT_EQ(chooseTable(wide, tableChoiceFrom(s(u"all"))).failure,
              s(u"Tablo - bayt tablosu değil: 999"));
    EXPECT_EQ(chooseTable(findTables(s(u"; nothing")), {}).failure, s(u"Tablo bulunamadı."));
}

// A table joined from labelled parts is named by its first part's label; every other part
// stays choosable by its own, as it was before the parts were joined. GCC writes them last
// first; the table takes them in the order of their labels.
TEST(SmartReading, APartOfAJoinedTableIsChosenByItsLabel)
{
    const QList<FoundTable> tables = findTables(s(u"font_part2:\n") + dataLines(".byte ", 65, 66) +
                                                s(u"font_part1:\n") + dataLines(".byte ", 1, 64));
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables[0].parts.size(), 2);
    const ChosenTable second = chooseTable(tables, tableChoiceFrom(s(u"font_part2")));
    EXPECT_EQ(second.entries, (QStringList{s(u"41"), s(u"42")}));
    EXPECT_EQ(second.first, 0);
    const ChosenTable whole = chooseTable(tables, tableChoiceFrom(s(u"font_part1")));
    EXPECT_EQ(whole.entries.size(), 66);
    EXPECT_EQ(whole.entries.mid(63, 2), (QStringList{s(u"40"), s(u"41")}));
    EXPECT_EQ(chooseTable(tables, {}).entries, whole.entries);
}

// Every text the program writes, in every language and with every command of its presets,
// read smartly gives back the table it was written from.
class WrittenText : public ::testing::TestWithParam<int> {};

TEST_P(WrittenText, ReadsBackInEveryLanguage)
{
    const int count = GetParam();
    QStringList table;
    for (int i = 0; i < count; ++i)
        table << QStringLiteral("%1").arg((i * 37 + 11) % 256, 2, 16, QLatin1Char('0')).toUpper();
    for (const Language& preset : languages()) {
        for (const QString& command : preset.commandTexts()) {
            SCOPED_TRACE(::testing::Message()
                         << preset.name.toStdString() << " " << command.toStdString());
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

INSTANTIATE_TEST_SUITE_P(SmartReading, WrittenText, ::testing::Values(1024, 1009, 1),
                         [](const auto& tested) { return "Count" + std::to_string(tested.param); });

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
class CorpusFile : public ::testing::TestWithParam<const char*> {};

TEST_P(CorpusFile, GivesTheTablesFoundByHand)
{
    const QDir corpus(testing::testData(QStringLiteral("corpus")));
    const QString path = corpus.filePath(QString::fromUtf8(GetParam()));
    const QString name = QString::fromUtf8(GetParam()).replace(u'/', QStringLiteral("__"));
    QFile expected(
        corpus.filePath(QStringLiteral("smart/expected/") + name + QStringLiteral(".tables")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly)) << name.toStdString();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(listed(findTables(readSingleByteFile(path))), QString::fromUtf8(expected.readAll()));
}

// The name of a case: the file's name, its letters and digits only.
std::string caseName(const char* path)
{
    std::string name;
    for (const char* c = path; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    return name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SmartReading, CorpusFile, ::testing::Values(
    "includes/c_lowerhex__ali-bingol_Ks0108-GLCD-128x64__fontAndImageData.h",
    "includes/GandhyAmaya_Sistema-economizador/DataAsist.h",
    "includes/GandhyAmaya_Sistema-economizador/NewInterfaz.h",
    "includes/GandhyAmaya_Sistema-economizador/Portada.h",
    "includes/GandhyAmaya_Sistema-economizador/Tipo_control.h",
    "includes/GandhyAmaya_Sistema-economizador/finalizado.h",
    "includes/GandhyAmaya_Sistema-economizador/interfaz.h",
    "includes/GandhyAmaya_Sistema-economizador/saving.h",
    "smart/GreatCowBASIC_SourceForgeClone/7segment.h",
    "smart/ThingPulse_esp8266-oled-ssd1306/images.h",
    "smart/greiman_SSD1306Ascii/Wendy3x5.h",
    "smart/greiman_SSD1306Ascii/bargraph.h",
    "smart/ilovezfs_gputils/data1.asm",
    "smart/ilovezfs_gputils/eeprom-18f4520.asm",
    "smart/rakettitiede_octapentaveega/font.inc",
    "smart/jallib_jallib/glcd_5x7_font.jal",
    "smart/cheveron_open81/13_font.asm",
    "smart/peterhinch_micropython-nano-gui/font6.py",
    "smart/generated/font_parts.asm",
    "smart/generated/font_parts.c",
    "smart/generated/font_parts_avr.s"),
    [](const auto& tested) { return caseName(tested.param); });
// clang-format on

}  // namespace
}  // namespace pixmint
