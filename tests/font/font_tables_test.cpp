#include "font_samples.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixmint {
namespace {

using testing::fontRequest;

// A small font, a format and a layout, and the numbers worked out by hand from the glyphs'
// pixels (drawn in the comments, "#" dark).
struct NumbersCase {
    const char* name;
    const char* font;
    std::optional<int> size;
    const char* text;
    FontFormat format;
    ByteLayout layout;
    Bytes numbers;
    std::vector<GfxGlyph> gfx;  // the GFX glyph entries, for gfx
    Polarity polarity = Polarity::Dark;
};

void PrintTo(const NumbersCase& c, std::ostream* os)
{
    *os << c.name;
}

class FontNumbers : public ::testing::TestWithParam<NumbersCase> {};

TEST_P(FontNumbers, AreThoseWorkedOutByHand)
{
    const NumbersCase& c = GetParam();
    FontRoadRequest request = fontRequest(c.font, c.size, c.text, c.format, c.layout);
    request.polarity = c.polarity;
    const FontRoadOutcome outcome = runFontRoad(request);
    ASSERT_EQ(outcome.failure, QString());
    EXPECT_EQ(outcome.warnings, QStringList());
    EXPECT_EQ(outcome.tables.numbers(), c.numbers);
    if (c.format == FontFormat::Gfx) {
        EXPECT_EQ(std::vector<GfxGlyph>(outcome.tables.gfx.glyphs.begin(),
                                        outcome.tables.gfx.glyphs.end()),
                  c.gfx);
    }
}

constexpr auto kCells = FontFormat::Cells;
constexpr auto kWidths = FontFormat::Widths;
constexpr auto kGfx = FontFormat::Gfx;
constexpr auto kLsbTop = ByteLayout::PagesLsbTop;

// misc-fixed 5×7 "A", ink 4 × 6 in a cell 5 wide (the advance), 6 high (tight):
//   .##..  #..#.  #..#.  ####.  #..#.  #..#.
// and "C":
//   .##..  #..#.  #....  #....  #..#.  .##..
// DejaVu Sans Mono 8 px "A" (TrueType, interpreter 35), ink from column 1:
//   ..##.  ..##.  ..##.  ..##.  .####  .#..#
// misc-fixed 6×13 "A", 9 rows: two pages.
//   ..#..  .#.#.  #...#  #...#  #...#  #####  #...#  #...#  #...#
const Bytes kFixed6x13A = {0xFC, 0x22, 0x21, 0x22, 0xFC, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00};

INSTANTIATE_TEST_SUITE_P(
    SmallFonts, FontNumbers,
    ::testing::Values(
        // The classic column font: five bytes a glyph, bit 0 the top row.
        NumbersCase{"Pcf5x7ACellsPagesLsbTop",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    kLsbTop,
                    {0x3E, 0x09, 0x09, 0x3E, 0x00},
                    {}},
        NumbersCase{"Pcf5x7ACellsPagesMsbTop",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    ByteLayout::PagesMsbTop,
                    {0x7C, 0x90, 0x90, 0x7C, 0x00},
                    {}},
        NumbersCase{"Pcf5x7ACellsRowsMsbLeft",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    ByteLayout::RowsMsbLeft,
                    {0x60, 0x90, 0x90, 0xF0, 0x90, 0x90},
                    {}},
        NumbersCase{"Pcf5x7ACellsRowsLsbLeft",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    ByteLayout::RowsLsbLeft,
                    {0x06, 0x09, 0x09, 0x0F, 0x09, 0x09},
                    {}},
        // Lit: every pixel of the cell exchanged, the pad bits past it still 0.
        NumbersCase{"Pcf5x7ACellsPagesLsbTopLit",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    kLsbTop,
                    {0x01, 0x36, 0x36, 0x01, 0x3F},
                    {},
                    Polarity::Lit},
        NumbersCase{"Pcf5x7ACellsRowsMsbLeftLit",
                    "5x7.pcf.gz",
                    {},
                    "A",
                    kCells,
                    ByteLayout::RowsMsbLeft,
                    {0x98, 0x68, 0x68, 0x08, 0x68, 0x68},
                    {},
                    Polarity::Lit},
        NumbersCase{"Pcf5x7ACWidths",
                    "5x7.pcf.gz",
                    {},
                    "AC",
                    kWidths,
                    kLsbTop,
                    {0x05, 0x3E, 0x09, 0x09, 0x3E, 0x00, 0x05, 0x1E, 0x21, 0x21, 0x12, 0x00},
                    {}},
        // The row bits of the ink alone, continuous; "B" between them gets no bitmap.
        NumbersCase{"Pcf5x7ACGfx",
                    "5x7.pcf.gz",
                    {},
                    "AC",
                    kGfx,
                    kLsbTop,
                    {0x69, 0x9F, 0x99, 0x69, 0x88, 0x96},
                    {{0, 4, 6, 5, 0, -5}, {3, 0, 0, 0, 0, 0}, {3, 4, 6, 5, 0, -5}}},
        // A GFX font's set bits are what the library draws: the polarity leaves them.
        NumbersCase{"Pcf5x7ACGfxLit",
                    "5x7.pcf.gz",
                    {},
                    "AC",
                    kGfx,
                    kLsbTop,
                    {0x69, 0x9F, 0x99, 0x69, 0x88, 0x96},
                    {{0, 4, 6, 5, 0, -5}, {3, 0, 0, 0, 0, 0}, {3, 4, 6, 5, 0, -5}},
                    Polarity::Lit},
        NumbersCase{"TrueTypeA8CellsPagesLsbTop",
                    "DejaVuSansMono.ttf",
                    8,
                    "A",
                    kCells,
                    kLsbTop,
                    {0x00, 0x30, 0x1F, 0x1F, 0x30},
                    {}},
        NumbersCase{"TrueTypeA8Gfx",
                    "DejaVuSansMono.ttf",
                    8,
                    "A",
                    kGfx,
                    kLsbTop,
                    {0x66, 0x66, 0xF9},
                    {{0, 4, 6, 5, 1, -5}}},
        NumbersCase{"Pcf6x13ATwoPages", "6x13.pcf.gz", {}, "A", kCells, kLsbTop, kFixed6x13A, {}},
        NumbersCase{"Pcf6x13ARowsMsbLeft",
                    "6x13.pcf.gz",
                    {},
                    "A",
                    kCells,
                    ByteLayout::RowsMsbLeft,
                    {0x20, 0x50, 0x88, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88},
                    {}},
        // The same glyph from a BDF and a .fon made of that PCF.
        NumbersCase{"Bdf6x13ATwoPages", "6x13-tr.bdf", {}, "A", kCells, kLsbTop, kFixed6x13A, {}},
        NumbersCase{
            "Fon6x13ATwoPages", "6x13-cp1254.fon", {}, "A", kCells, kLsbTop, kFixed6x13A, {}}),
    [](const auto& tested) { return std::string(tested.param.name); });

// Where pixels go when a glyph does not sit neatly in its cell.
struct PlacementCase {
    const char* name;
    const char* font;
    std::optional<int> size;
    const char* text;
    std::optional<QSize> cell;
    FontFormat format;
    Bytes numbers;
    QStringList warnings;
    std::vector<GfxGlyph> gfx;
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class GlyphPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(GlyphPlacement, KeepsTheCellAndCountsWhatFallsOutside)
{
    const PlacementCase& c = GetParam();
    FontRoadRequest request = fontRequest(c.font, c.size, c.text, c.format);
    request.glyphs.cell = c.cell;
    const FontRoadOutcome outcome = runFontRoad(request);
    ASSERT_EQ(outcome.failure, QString());
    EXPECT_EQ(outcome.warnings, c.warnings);
    EXPECT_EQ(outcome.tables.numbers(), c.numbers);
    if (c.format == FontFormat::Gfx) {
        EXPECT_EQ(std::vector<GfxGlyph>(outcome.tables.gfx.glyphs.begin(),
                                        outcome.tables.gfx.glyphs.end()),
                  c.gfx);
    }
}

const QString kOneOutside = QStringLiteral("1 piksel hücrenin dışında kaldı.");

// DejaVu Sans Mono 6 px "ħ" reaches one column left of its pen (its bar), advance 4:
//   ###..  .#...  .####  .#..#  .#..#   (the first column is column −1)
INSTANTIATE_TEST_SUITE_P(
    Rows, GlyphPlacement,
    ::testing::Values(
        PlacementCase{"NegativeLeftIsCutFromTheCell",
                      "DejaVuSansMono.ttf",
                      6,
                      "ħ",
                      {},
                      kCells,
                      {0x1F, 0x05, 0x04, 0x1C},
                      {kOneOutside},
                      {}},
        PlacementCase{"NegativeLeftIsCutFromItsWidth",
                      "DejaVuSansMono.ttf",
                      6,
                      "ħ",
                      {},
                      kWidths,
                      {0x04, 0x1F, 0x05, 0x04, 0x1C},
                      {kOneOutside},
                      {}},
        PlacementCase{"NegativeLeftStaysInGfx",
                      "DejaVuSansMono.ttf",
                      6,
                      "ħ",
                      {},
                      kGfx,
                      {0xE2, 0x1E, 0x94, 0x80},
                      {QStringLiteral("Adafruit GFX'in print() işlevi yalnız 0 ile 255 arasındaki "
                                      "kodları yazar; son kod 0x0127.")},
                      {{0, 5, 5, 4, -1, -4}}},
        // The bottom row "#..#." of "A" falls below a cell 5 high.
        PlacementCase{"TallerThanTheCell",
                      "5x7.pcf.gz",
                      {},
                      "A",
                      QSize(5, 5),
                      kCells,
                      {0x1E, 0x09, 0x09, 0x1E, 0x00},
                      {QStringLiteral("2 piksel hücrenin dışında kaldı.")},
                      {}},
        // A cell wider than the advance: the glyph stays at the left.
        PlacementCase{"WiderThanTheAdvance",
                      "5x7.pcf.gz",
                      {},
                      "A",
                      QSize(7, 6),
                      kCells,
                      {0x3E, 0x09, 0x09, 0x3E, 0x00, 0x00, 0x00},
                      {},
                      {}},
        // A blank has its advance but no ink, and moves neither the baseline nor the height.
        PlacementCase{"EmptyGlyphKeepsItsAdvance",
                      "5x7.pcf.gz",
                      {},
                      " A",
                      {},
                      kWidths,
                      {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x3E, 0x09, 0x09, 0x3E, 0x00},
                      {},
                      {}},
        PlacementCase{"MissingCharacterHasNoWidth",
                      "5x7.pcf.gz",
                      {},
                      "A一",
                      {},
                      kWidths,
                      {0x05, 0x3E, 0x09, 0x09, 0x3E, 0x00, 0x00},
                      {QStringLiteral("Yazı tipinde bulunmayan karakterler: 一")},
                      {}},
        // An ISO 8859-9 font has Ğ at the byte where Unicode has Ð: Ð is missing there,
        // not drawn as Ğ.
        PlacementCase{"MissingCharacterIsAnEmptyCell",
                      "5x7-ISO8859-9.pcf.gz",
                      {},
                      "AÐĞ",
                      {},
                      kCells,
                      {0x3E, 0x09, 0x09, 0x3E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1E, 0x21, 0x29,
                       0x3A, 0x00},
                      {QStringLiteral("Yazı tipinde bulunmayan karakterler: Ð")},
                      {}}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace pixmint
