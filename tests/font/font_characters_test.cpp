#include "font_characters.h"
#include "font_samples.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixmint {
namespace {

using testing::charsetRequest;
using testing::fontRequest;

// A list or a text, and the codes it chooses or the message why it chooses none.
struct ListCase {
    const char* name;
    CharacterChoice::Kind kind;
    const char* text;
    std::vector<int> codes;  // empty: the failure is expected
    const char* failure;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

class CharacterLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(CharacterLists, ChooseEachCharacterOnceInCodeOrder)
{
    const ListCase& c = GetParam();
    const Checked<QList<FontCharacter>> chosen =
        chosenCharacters({c.kind, Charset::Ascii, QString::fromUtf8(c.text)});
    EXPECT_EQ(chosen.failure(), QString::fromUtf8(c.failure));
    std::vector<int> codes;
    if (chosen.ok()) {
        for (const FontCharacter& character : chosen.value()) {
            EXPECT_EQ(character.code, int(character.character));
            codes.push_back(character.code);
        }
    }
    EXPECT_EQ(codes, c.codes);
}

constexpr auto kList = CharacterChoice::Kind::List;
constexpr auto kText = CharacterChoice::Kind::Text;

INSTANTIATE_TEST_SUITE_P(
    Rows, CharacterLists,
    ::testing::Values(
        ListCase{"RangesAndCodesOfEveryBase",
                 kList,
                 " 65-67, 0x11e ,U+015F,288",
                 {65, 66, 67, 0x11E, 288, 0x15F},
                 ""},
        ListCase{"RepeatsOnceInOrder", kList, "0x42,65-66,65", {65, 66}, ""},
        ListCase{"EmptyItemsSkipped", kList, "65,,66,", {65, 66}, ""},
        ListCase{"ReversedRange", kList, "70-65", {}, "Karakter listesi okunamadı: \"70-65\"."},
        ListCase{"LetterIsNoCode", kList, "65,A", {}, "Karakter listesi okunamadı: \"A\"."},
        ListCase{
            "BeyondUnicode", kList, "0x110000", {}, "Karakter listesi okunamadı: \"0x110000\"."},
        ListCase{
            "MoreThanTheLimit", kList, "0-0x10FFFF", {}, "En fazla 65536 karakter seçilebilir."},
        ListCase{"OverlappingRangesCountOnce",
                 kList,
                 "0-40000,30000-65535,65536",
                 {},
                 "En fazla 65536 karakter seçilebilir."},
        ListCase{"NothingChosen", kList, " , ", {}, "Hiç karakter seçilmedi."},
        ListCase{"TextDistinctCharacters", kText, "Dünya Dünya", {32, 68, 97, 110, 121, 252}, ""},
        ListCase{"TextBeyondTheBasicPlane", kText, "a😀", {97, 0x1F600}, ""}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(CharacterSets, HoldTheirCodePagesCharacters)
{
    const auto codes = [](Charset charset) {
        const Checked<QList<FontCharacter>> chosen =
            chosenCharacters({CharacterChoice::Kind::Charset, charset, QString()});
        EXPECT_TRUE(chosen.ok());
        return chosen.value();
    };
    EXPECT_EQ(codes(Charset::Ascii).size(), 95);
    EXPECT_EQ(codes(Charset::Latin1).size(), 95 + 96);
    // Windows-1254 leaves 81, 8D, 8E, 8F, 90, 9D and 9E undefined.
    const QList<FontCharacter> turkish = codes(Charset::Windows1254);
    EXPECT_EQ(turkish.size(), 95 + 128 - 7);
    EXPECT_EQ(turkish[95], (FontCharacter{0x80, U'€'}));
    EXPECT_EQ(turkish.back(), (FontCharacter{0xFF, U'ÿ'}));
    for (const FontCharacter& c : turkish)
        EXPECT_NE(c.code, 0x81);
    EXPECT_EQ(sampleCode(U'ğ', true), 0xF0);
    EXPECT_EQ(sampleCode(U'ğ', false), 0x11F);
    EXPECT_EQ(sampleCode(U'Ð', true), std::nullopt);
}

TEST(GlyphComments, NameTheCodeAndAPrintableCharacter)
{
    EXPECT_EQ(glyphComment(0x41, U'A'), QStringLiteral("0x41 A"));
    EXPECT_EQ(glyphComment(0xD0, U'Ğ'), QStringLiteral("0xD0 Ğ"));
    EXPECT_EQ(glyphComment(0x11E, U'Ğ'), QStringLiteral("0x011E Ğ"));
    EXPECT_EQ(glyphComment(0x1F600, U'😀'), QStringLiteral("0x01F600 😀"));
    EXPECT_EQ(glyphComment(0x20, U' '), QStringLiteral("0x20"));
    EXPECT_EQ(glyphComment(0x0A, U'\n'), QStringLiteral("0x0A"));
    // A backslash at the end of a C comment would join the next line to it.
    EXPECT_EQ(glyphComment(0x5C, U'\\'), QStringLiteral("0x5C"));
}

// A font with the Turkish letters, and a Unicode font that draws them the same way.
struct CodePageCase {
    const char* name;
    const char* font;
    const char* unicodeFont;
    std::optional<int> size;
};

void PrintTo(const CodePageCase& c, std::ostream* os)
{
    *os << c.name;
}

class TurkishCodePage : public ::testing::TestWithParam<CodePageCase> {};

// A firmware string saved in Windows-1254 indexes the table directly: each letter's glyph
// carries its byte, is that letter's glyph whatever the font's own encoding, and is record
// byte − 32 of the cells (the undefined bytes have empty cells).
TEST_P(TurkishCodePage, PutsEveryTurkishLetterAtItsByte)
{
    const CodePageCase& c = GetParam();
    const char* letters = "ÇĞİÖŞÜçğıöşü";
    const int bytes[] = {0xC7, 0xD0, 0xDD, 0xD6, 0xDE, 0xDC, 0xE7, 0xF0, 0xFD, 0xF6, 0xFE, 0xFC};
    const FontRoadOutcome table = runFontRoad(charsetRequest(c.font, c.size, Charset::Windows1254));
    const FontRoadOutcome unicode = runFontRoad(fontRequest(c.unicodeFont, c.size, letters));
    ASSERT_EQ(table.failure, QString());
    ASSERT_EQ(unicode.failure, QString());
    const QList<uint> characters = QString::fromUtf8(letters).toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        SCOPED_TRACE(bytes[i]);
        const qsizetype at = table.glyphs.indexOfCode(bytes[i]);
        const qsizetype expected = unicode.glyphs.indexOfCode(int(characters[i]));
        ASSERT_GE(at, 0);
        ASSERT_GE(expected, 0);
        const FontGlyph& glyph = table.glyphs.glyphs[at];
        const FontGlyph& drawn = unicode.glyphs.glyphs[expected];
        EXPECT_EQ(glyph.character, char32_t(characters[i]));
        EXPECT_TRUE(glyph.hasInk());
        EXPECT_EQ(glyph.ink, drawn.ink);
        EXPECT_EQ(glyph.left, drawn.left);
        EXPECT_EQ(glyph.top, drawn.top);
        const GlyphNumbers& record = table.tables.glyphs[bytes[i] - 32];
        EXPECT_EQ(record.code, bytes[i]);
        EXPECT_EQ(drawnRecord(table.tables, record),
                  glyphPicture(table.glyphs, at, FontFormat::Cells));
    }
    EXPECT_EQ(table.tables.glyphs.size(), 224);
    EXPECT_TRUE(table.tables.glyphs[0x81 - 32].gap);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, TurkishCodePage,
    ::testing::Values(CodePageCase{"TrueType", "DejaVuSansMono.ttf", "DejaVuSansMono.ttf", 12},
                      CodePageCase{"UnicodePcf", "6x13.pcf.gz", "6x13.pcf.gz", {}},
                      CodePageCase{"Iso8859_9Pcf", "5x7-ISO8859-9.pcf.gz", "5x7.pcf.gz", {}},
                      CodePageCase{"Bdf", "6x13-tr.bdf", "6x13.pcf.gz", {}},
                      CodePageCase{"Windows1254Fon", "6x13-cp1254.fon", "6x13.pcf.gz", {}}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace pixmint
