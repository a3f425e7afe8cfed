#include "recoding.h"
#include "code_layout.h"
#include "code_texts.h"
#include "format_detection.h"
#include "number_format.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

NumberFormat asmDt()
{
    return presetFormat(QStringLiteral("Asm"));
}
NumberFormat asmRetlw()
{
    NumberFormat f = asmDt();
    f.command = QStringLiteral("Retlw");
    return f;
}
NumberFormat ccs()
{
    return presetFormat(QStringLiteral("CCS"));
}
NumberFormat proton()
{
    return presetFormat(QStringLiteral("Proton Basic"));
}
NumberFormat with(NumberFormat f, QString NumberFormat::*field, const QString& value)
{
    f.*field = value;
    return f;
}

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

struct ExtractionCase {
    const char* name;
    QString text;
    NumberFormat format;
    bool invert;
    QStringList expected;
    int notInverted = 0;
};

void PrintTo(const ExtractionCase& c, std::ostream* os)
{
    *os << c.name;
}

class Extraction : public ::testing::TestWithParam<ExtractionCase> {};

TEST_P(Extraction, GivesTheEntriesInOrder)
{
    const ExtractionCase& c = GetParam();
    QStringList table{QStringLiteral("old"), QStringLiteral("entries")};
    const int notInverted = Kodu_dönüştür(c.text, c.format, table, c.invert);
    EXPECT_EQ(table, c.expected);
    EXPECT_EQ(notInverted, c.notInverted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, Extraction, ::testing::Values(
    ExtractionCase{"WorkedExample", s(u";C:\\Resim.bmp\r\n\tDt\t0X00,0X3F,0XFF\r\n"), asmDt(), false,
        {s(u"00"), s(u"3F"), s(u"FF")}},
    ExtractionCase{"WorkedExampleInverted", s(u";C:\\Resim.bmp\r\n\tDt\t0X00,0X3F,0XFF\r\n"), asmDt(), true,
        {s(u"FF"), s(u"C0"), s(u"00")}},
    ExtractionCase{"PrefixTwiceKeepsTheRest", s(u"\tDt\t0X0X12,0X01,0X02"), asmDt(), false,
        {s(u"0X12"), s(u"01"), s(u"02")}},
    ExtractionCase{"SuffixAndWhatFollowsItCut", s(u"\tDt\t0X3FH,0X01H ,0x02h;x"),
        with(asmDt(), &NumberFormat::suffix, s(u"h")), false, {s(u"3F"), s(u"01"), s(u"02")}},
    ExtractionCase{"CommentInsideTheLastPiece", s(u"\tDt\t0X01,0X02,0XFF ;son"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"FF")}},
    ExtractionCase{"CommentHoldingCommasGivesNothing", s(u"\tDt\t0X01,0X02,0X03 ; a, b, c, d"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"PathWithCommasInTheFirstLine", s(u";C:\\a,b,c\\0X1,0X2.bmp\r\n\tDt\t0X01,0X02,0X03\r\n"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"CcsCommentFoundInTheLine", s(u"\t\t0X01,0X02,0X03, // a, b\r\n// 0X04,0X05,0X06"), ccs(), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"OneTwoAndThreeNumbersPerLine", s(u"\tDt\t0X01\r\n\tDt\t0X02,0X03\r\n\tDt\t0X04,0X05,0X06\r\n"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03"), s(u"04"), s(u"05"), s(u"06")}},
    ExtractionCase{"ShortLinesWithoutThePrefixSkipped", s(u"LIST P=16F84\r\nORG 0, 1\r\n\tDt\t$01,$02\r\n\tEND\r\n"), asmDt(), false,
        {}},
    ExtractionCase{"RetlwTableReadWhole", s(u";C:\\x.bmp\r\n\tRetlw\t0X01\r\n\tRetlw\t0X02\r\n\tRetlw\t0XFE\r\n"), asmRetlw(), false,
        {s(u"01"), s(u"02"), s(u"FE")}},
    // The separator that ends a C line, with TABs or spaces after it, gives no entry, and
    // so no FF when inverting; an empty piece inside a line still does.
    ExtractionCase{"CcsTrailingSeparatorGivesNoEntry",
        s(u"//x\r\n   const int  Resim[]={\r\n\t\t0X01,0X02,0X03, \t\r\n\t\t0X04,\r\n\r\n\r\n};\r\n"), ccs(), false,
        {s(u"01"), s(u"02"), s(u"03"), s(u"04")}},
    ExtractionCase{"CcsInvertedGainsNoFF",
        s(u"//x\r\n   const int  Resim[]={\r\n\t\t0X01,,0X03,\r\n\t\t0X04\r\n\r\n\r\n};\r\n"), ccs(), true,
        {s(u"FE"), s(u"FF"), s(u"FC"), s(u"FB")}},
    ExtractionCase{"ProtonDigitsAfterTheDollar", s(u"'x\r\n\tCData\t$00,$3F,$FF\r\n\tCData\t$7\r\n\r\n"), proton(), false,
        {s(u"00"), s(u"3F"), s(u"FF"), s(u"7")}},
    ExtractionCase{"EmptySeparatorLineIsOnePiece", s(u"\tDt\t0X01,0X02,0X03\r\nA,B,C"),
        with(asmDt(), &NumberFormat::separator, {}), false, {s(u"01,0X02,0X03")}},
    ExtractionCase{"SeparatorTakenAsTyped", s(u"0X01 ; 0X02 ; 0X03"),
        with(with(asmDt(), &NumberFormat::separator, s(u" ; ")), &NumberFormat::language, s(u"CCS")), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"LineFeedOnlyLines", s(u";p,q,r\n\tDt\t0X01,0X02,0X03\n\tDt\t0X04\n"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03"), s(u"04")}},
    ExtractionCase{"LoneCarriageReturnLines", s(u";p,q,r\r\tDt\t0X01,0X02,0X03\r\r\tDt\t0X04"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03"), s(u"04")}},
    ExtractionCase{"LowerCaseInputInCapitals", s(u"\tdt\t0x3f,0xab,ff"), asmDt(), false,
        {s(u"3F"), s(u"AB"), s(u"FF")}},
    ExtractionCase{"SpacesAtPieceEndsGoInsideStay", s(u"\tDt\t0X01, 0X3F ,0X3 F"), asmDt(), false,
        {s(u"01"), s(u"3F"), s(u"3 F")}},
    ExtractionCase{"OnlySpacesTrimmed", s(u"\tDt\t0X01\u00a0, 0X3F\f ,0X3F\v"), asmDt(), false,
        {s(u"01\u00a0"), s(u"3F\f"), s(u"3F\v")}},
    ExtractionCase{"TabsInsidePiecesRemoved", s(u"\tDt\t0X\t01,\t0X02\t,0X0\t3"), asmDt(), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"EmptyPrefixTakesPiecesWhole", s(u"0X01,3F,$2\r\n0X01,0X02"),
        with(asmDt(), &NumberFormat::prefix, {}), false, {s(u"0X01"), s(u"3F"), s(u"$2")}},
    ExtractionCase{"CommandRemovedInsideWords", s(u"\tDt\t0X01,WIDTH,0X03"), asmDt(), false,
        {s(u"01"), s(u"WIH"), s(u"03")}},
    ExtractionCase{"UnknownLanguageCutsAtQuote", s(u"'a,b,c\r\n\tDB\t0X01,0X02,0X03 'x,y"),
        with(with(asmDt(), &NumberFormat::language, s(u"PIC")), &NumberFormat::command, s(u"DB")), false,
        {s(u"01"), s(u"02"), s(u"03")}},
    ExtractionCase{"EmptyTextEmptiesTheTable", QString(), asmDt(), true, {}},
    ExtractionCase{"SmallValuesInvertToTwoDigits", s(u"\tDt\t0XA,0X0,0X,0X00FE,0XF"), asmDt(), true,
        {s(u"F5"), s(u"FF"), s(u"FF"), s(u"01"), s(u"F0")}},
    ExtractionCase{"EntriesThatCannotBeInvertedLeftAsFound",
        s(u"\tDt\t0XZZ,0X3 F,0X100,0X12345678901234567890,-1,0X1.5,0X3F"), asmDt(), true,
        {s(u"ZZ"), s(u"3 F"), s(u"100"), s(u"12345678901234567890"), s(u"-1"), s(u"1.5"), s(u"C0")}, 6},
    ExtractionCase{"ValuesAboveFFKeptWithoutInverting", s(u"\tDt\t0X100,0X1FF,0XFFF"), asmDt(), false,
        {s(u"100"), s(u"1FF"), s(u"FFF")}},
    ExtractionCase{"TurkishLettersDoNotCrash", s(u"\tDt\t0Xıi,0Xğ,ß"), asmDt(), true,
        {s(u"II"), s(u"Ğ"), s(u"SS")}, 3}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct CutCase {
    const char* name;
    QString piece;
    QString cutText;
    QString expected;
};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << c.name;
}

class KarakterKes : public ::testing::TestWithParam<CutCase> {};

TEST_P(KarakterKes, CutsBeforeTheFirstOccurrenceInCapitals)
{
    const CutCase& c = GetParam();
    EXPECT_EQ(Karakter_Kes(c.piece, c.cutText), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, KarakterKes, ::testing::Values(
    CutCase{"LowerCaseSuffix", s(u"0x3fh"), s(u"H"), s(u"0X3F")},
    CutCase{"LowerCaseCutText", s(u"0X3FH"), s(u"h"), s(u"0X3F")},
    CutCase{"Comment", s(u"0XFF ;yorum"), s(u";"), s(u"0XFF ")},
    CutCase{"FirstOfTwo", s(u"a//b//c"), s(u"//"), s(u"A")},
    CutCase{"NotFound", s(u"a/b"), s(u"//"), s(u"A/B")},
    CutCase{"NothingToCut", s(u"0X3F"), QString(), s(u"0X3F")},
    CutCase{"EmptyPiece", QString(), s(u";"), QString()},
    CutCase{"AtTheStart", s(u";0X01"), s(u";"), QString()}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

class SayiBul : public ::testing::TestWithParam<CutCase> {};

TEST_P(SayiBul, TakesTheTextAfterTheFirstPrefix)
{
    const CutCase& c = GetParam();
    EXPECT_EQ(Sayı_Bul(c.piece, c.cutText), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, SayiBul, ::testing::Values(
    CutCase{"TrimmedAndInCapitals", s(u"  0x3f "), s(u"0X"), s(u"3F")},
    CutCase{"PrefixTwice", s(u"0X0X12"), s(u"0x"), s(u"0X12")},
    CutCase{"NoPrefix", s(u"3F"), s(u"0X"), s(u"3F")},
    CutCase{"EmptyPrefix", s(u" 3 f "), QString(), s(u"3 F")},
    CutCase{"Dollar", s(u"$ff"), s(u"$"), s(u"FF")},
    CutCase{"PrefixOnly", s(u"0X"), s(u"0X"), QString()},
    CutCase{"InsideBraces", s(u"{0x10}"), s(u"0X"), s(u"10}")},
    CutCase{"EmptyPiece", QString(), s(u"0X"), QString()}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct MarkerCase {
    const char* name;
    QString language;
    QString marker;
};

void PrintTo(const MarkerCase& c, std::ostream* os)
{
    *os << c.name;
}

class SourceCommentMarker : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(SourceCommentMarker, FollowsTheLanguageInAnyCase)
{
    EXPECT_EQ(sourceCommentMarker(GetParam().language), GetParam().marker);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, SourceCommentMarker, ::testing::Values(
    MarkerCase{"Ccs", s(u"CCS"), s(u"//")},
    MarkerCase{"CcsInLowerCase", s(u"ccs"), s(u"//")},
    MarkerCase{"Asm", s(u"Asm"), s(u";")},
    MarkerCase{"AsmInCapitals", s(u"ASM"), s(u";")},
    MarkerCase{"ProtonBasic", s(u"Proton Basic"), s(u"'")},
    MarkerCase{"UnknownLanguage", s(u"PIC"), s(u"'")},
    MarkerCase{"NoLanguage", QString(), s(u"'")},
    MarkerCase{"NotTrimmed", s(u"Asm "), s(u"'")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(NotInvertedMessage, NamesTheCount)
{
    EXPECT_EQ(notInvertedMessage(3), s(u"3 sayı terslenemedi; bunlar olduğu gibi bırakıldı."));
}

// Round trips through the program's own layout: whatever the picture window writes, the
// converter reads back, with the format that detection and the presets choose.

QStringList sampleTable(int count)
{
    QStringList table;
    for (int i = 0; i < count; ++i)
        table << QStringLiteral("%1").arg((i * 37 + 11) % 256, 2, 16, QLatin1Char('0')).toUpper();
    return table;
}

struct RoundTripCase {
    const char* name;
    const char* language;
    QString command;
    int count;
};

void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << c.name;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ReadsBackTheSameEntries)
{
    const RoundTripCase& c = GetParam();
    const QStringList table = sampleTable(c.count);
    NumberFormat layout = presetFormat(QString::fromUtf8(c.language));
    layout.command = c.command;
    const QString text = testing::codeText(layout, table, s(u"C:\\Belgeler\\DT,çizim,1.bmp"));

    QStringList inverted;
    for (const QString& entry : table)
        inverted << QStringLiteral("%1")
                        .arg(255 - entry.toInt(nullptr, 16), 2, 16, QLatin1Char('0'))
                        .toUpper();

    const NumberFormat format = withDetectedFormat(presetFormat(QStringLiteral("Asm")), text);
    QStringList read;
    EXPECT_EQ(Kodu_dönüştür(text, format, read, false), 0);
    EXPECT_EQ(read, table);
    EXPECT_EQ(Kodu_dönüştür(text, format, read, true), 0);
    EXPECT_EQ(read, inverted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, RoundTrip, ::testing::Values(
    RoundTripCase{"AsmDt", "Asm", s(u"Dt"), 1024},
    RoundTripCase{"AsmDtLastLineOfOne", "Asm", s(u"Dt"), 1009},
    RoundTripCase{"AsmRetlw", "Asm", s(u"Retlw"), 1024},
    RoundTripCase{"Ccs", "CCS", s(u"Resim[]="), 1024},
    RoundTripCase{"CcsLastLineOfTwo", "CCS", s(u"Resim[]="), 1010},
    RoundTripCase{"ProtonBasic", "Proton Basic", s(u"CData"), 1024},
    RoundTripCase{"ProtonBasicLastLineOfOne", "Proton Basic", s(u"CData"), 17},
    RoundTripCase{"C", "C", s(u"resim[]="), 1024},
    RoundTripCase{"ArduinoLastLineOfTwo", "Arduino", s(u"resim[]="), 1010},
    RoundTripCase{"CNamedByTheTool", "C", s(u"logo_8x8[]="), 1024}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// Texts of the characters that matter to the rules, in any order: the routines must
// neither crash nor give more entries than the text has pieces.
TEST(Recoding, AnyTextIsReadWithoutHarm)
{
    const QString alphabet = s(u"0xX$hH,;/'\t\r\n DTdtıiß[]=ABFZ");
    const NumberFormat formats[] = {asmDt(),
                                    asmRetlw(),
                                    ccs(),
                                    proton(),
                                    with(asmDt(), &NumberFormat::separator, {}),
                                    with(ccs(), &NumberFormat::suffix, s(u"h"))};
    quint32 seed = 12345;
    for (int run = 0; run < 2000; ++run) {
        QString text;
        for (int i = run % 40; i >= 0; --i) {
            seed = seed * 1664525u + 1013904223u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        for (const NumberFormat& format : formats) {
            QStringList table;
            const int notInverted = Kodu_dönüştür(text, format, table, run % 2 == 1);
            EXPECT_LE(table.size(), text.size() + 1) << text.toStdString();
            EXPECT_LE(notInverted, table.size());
        }
        detectedFormat(text);
    }
}

}  // namespace
}  // namespace pixmint
