// The GFX fonts pixmint-cli font wrote at build time (a TrueType and a PCF font, the Turkish
// characters at their Windows-1254 bytes, a Unicode font from a text, and Adafruit's own
// Tom Thumb brought back from its include file), printed with Adafruit GFX's own setFont and
// print on a one-bit canvas: the canvas is the sample that the same run drew from the tables
// (NAME.png), pixel for pixel. Tom Thumb written again as gfx holds the very arrays of the
// original, and written as cells it draws what the library's drawChar draws.

// The font records cast their arrays as fontconvert's do, "(uint8_t *)": Arduino builds
// take that, this test's warnings would not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#include "gfx_back.h"
#include "gfx_pcf.h"
#include "gfx_text.h"
#include "gfx_truetype.h"

#include <Fonts/TomThumb.h>
#pragma GCC diagnostic pop
#include "library_tables.h"

#include <Adafruit_GFX.h>

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <tuple>

namespace pixmint {
namespace {

using testing::pixelDifferences;

// The sample the fonts were made with: "Merhaba Dünya 123 ĞÜŞİÖÇ ğüşıöç" as Windows-1254
// bytes, as firmware saved in that code page holds it, and the Unicode font's text.
const char kTurkishSample[] =
    "Merhaba D\xFCnya 123 \xD0\xDC\xDE\xDD\xD6\xC7 \xF0\xFC\xFE\xFD\xF6\xE7";
const char kLatinSample[] = "Merhaba D\xFCnya 123";
const char kTomThumbSample[] = PIXMINT_TOM_THUMB_SAMPLE;

struct FontCase {
    const char* name;
    const GFXfont* font;
    const char* sample;
};

void PrintTo(const FontCase& c, std::ostream* os)
{
    *os << c.name;
}

// The row of the baseline: the highest a glyph's ink reaches above it, which the font's
// glyph entries tell (yOffset is 1 − bitmap_top).
int baseline(const GFXfont& font)
{
    int top = INT_MIN;
    for (int code = font.first; code <= font.last; ++code) {
        const GFXglyph& glyph = font.glyph[code - font.first];
        if (glyph.width > 0 && glyph.height > 0)
            top = std::max(top, 1 - glyph.yOffset);
    }
    return top;
}

QImage drawnSample(const char* name)
{
    return QImage(QStringLiteral(PIXMINT_LIBRARY_TABLES "/") + QString::fromLatin1(name) +
                  QStringLiteral(".png"));
}

// The canvas against Pixmint's drawing of the same sample; some pixel must be dark.
void expectCanvasShows(const GFXcanvas1& canvas, const QImage& drawn)
{
    int dark = 0;
    const auto shown = [&](int x, int y) {
        const bool set =
            canvas.getPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        dark += set ? 1 : 0;
        return set;
    };
    const auto expected = [&](int x, int y) { return qGray(drawn.pixel(x, y)) < 128; };
    EXPECT_EQ(pixelDifferences(drawn.width(), drawn.height(), shown, expected), "");
    EXPECT_GT(dark, 0);
}

class GfxFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(GfxFonts, PrintTheSampleThatPixmintDrew)
{
    const FontCase& c = GetParam();
    const QImage drawn = drawnSample(c.name);
    ASSERT_FALSE(drawn.isNull()) << c.name;
    ASSERT_EQ(drawn.height(), c.font->yAdvance);
    GFXcanvas1 canvas(static_cast<std::uint16_t>(drawn.width()),
                      static_cast<std::uint16_t>(drawn.height()));
    canvas.setFont(c.font);
    canvas.setTextWrap(false);
    canvas.setTextColor(1);
    canvas.setCursor(0, static_cast<std::int16_t>(baseline(*c.font) - 1));
    canvas.print(c.sample);
    expectCanvasShows(canvas, drawn);
}

INSTANTIATE_TEST_SUITE_P(Fonts, GfxFonts,
                         ::testing::Values(FontCase{"gfx_truetype", &gfx_truetype, kTurkishSample},
                                           FontCase{"gfx_pcf", &gfx_pcf, kTurkishSample},
                                           FontCase{"gfx_text", &gfx_text, kLatinSample},
                                           FontCase{"gfx_back", &gfx_back, kTomThumbSample}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(GfxFontBroughtBack, WrittenAgainHoldsTheOriginalArrays)
{
    EXPECT_EQ(gfx_back.first, TomThumb.first);
    EXPECT_EQ(gfx_back.last, TomThumb.last);
    EXPECT_EQ(gfx_back.yAdvance, TomThumb.yAdvance);
    ASSERT_EQ(sizeof(gfx_backBitmaps), sizeof(TomThumbBitmaps));
    EXPECT_TRUE(std::equal(std::begin(gfx_backBitmaps), std::end(gfx_backBitmaps),
                           std::begin(TomThumbBitmaps)));
    ASSERT_EQ(sizeof(gfx_backGlyphs), sizeof(TomThumbGlyphs));
    for (std::size_t i = 0; i < std::size(TomThumbGlyphs); ++i) {
        const GFXglyph& back = gfx_backGlyphs[i];
        const GFXglyph& original = TomThumbGlyphs[i];
        EXPECT_EQ(std::tie(back.bitmapOffset, back.width, back.height, back.xAdvance, back.xOffset,
                           back.yOffset),
                  std::tie(original.bitmapOffset, original.width, original.height,
                           original.xAdvance, original.xOffset, original.yOffset))
            << "glyph 0x" << std::hex << (TomThumb.first + i);
    }
}

// Written as cells, the sample drawn back from them is what drawChar draws with the original
// font, each character at the start of its cell and the cursor on the baseline's row.
TEST(GfxFontBroughtBack, WrittenAsCellsShowsWhatDrawCharDraws)
{
    const QImage drawn = drawnSample("cells_back");
    ASSERT_FALSE(drawn.isNull());
    const int characters = static_cast<int>(std::strlen(kTomThumbSample));
    ASSERT_EQ(drawn.width() % characters, 0);
    const int cell = drawn.width() / characters;
    GFXcanvas1 canvas(static_cast<std::uint16_t>(drawn.width()),
                      static_cast<std::uint16_t>(drawn.height()));
    canvas.setFont(&TomThumb);
    for (int i = 0; i < characters; ++i) {
        canvas.drawChar(static_cast<std::int16_t>(i * cell),
                        static_cast<std::int16_t>(baseline(TomThumb) - 1),
                        static_cast<unsigned char>(kTomThumbSample[i]), 1, 0, 1);
    }
    expectCanvasShows(canvas, drawn);
}

}  // namespace
}  // namespace pixmint
