// The GFX fonts pixmint-cli font wrote at build time (a TrueType and a PCF font, the Turkish
// characters at their Windows-1254 bytes, and a Unicode font from a text), printed with
// Adafruit GFX's own setFont and print on a one-bit canvas: the canvas is the sample that
// the same run drew from the tables (NAME.png), pixel for pixel.

// The font records cast their arrays as fontconvert's do, "(uint8_t *)": Arduino builds
// take that, this test's warnings would not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#include "gfx_pcf.h"
#include "gfx_text.h"
#include "gfx_truetype.h"
#pragma GCC diagnostic pop
#include "library_tables.h"

#include <Adafruit_GFX.h>

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace pixmint {
namespace {

using testing::pixelDifferences;

// The sample the fonts were made with: "Merhaba Dünya 123 ĞÜŞİÖÇ ğüşıöç" as Windows-1254
// bytes, as firmware saved in that code page holds it, and the Unicode font's text.
const char kTurkishSample[] =
    "Merhaba D\xFCnya 123 \xD0\xDC\xDE\xDD\xD6\xC7 \xF0\xFC\xFE\xFD\xF6\xE7";
const char kLatinSample[] = "Merhaba D\xFCnya 123";

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

class GfxFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(GfxFonts, PrintTheSampleThatPixmintDrew)
{
    const FontCase& c = GetParam();
    const QImage drawn(QStringLiteral(PIXMINT_LIBRARY_TABLES "/") + QString::fromLatin1(c.name) +
                       QStringLiteral(".png"));
    ASSERT_FALSE(drawn.isNull()) << c.name;
    ASSERT_EQ(drawn.height(), c.font->yAdvance);
    GFXcanvas1 canvas(static_cast<std::uint16_t>(drawn.width()),
                      static_cast<std::uint16_t>(drawn.height()));
    canvas.setFont(c.font);
    canvas.setTextWrap(false);
    canvas.setTextColor(1);
    canvas.setCursor(0, static_cast<std::int16_t>(baseline(*c.font) - 1));
    canvas.print(c.sample);

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

INSTANTIATE_TEST_SUITE_P(Fonts, GfxFonts,
                         ::testing::Values(FontCase{"gfx_truetype", &gfx_truetype, kTurkishSample},
                                           FontCase{"gfx_pcf", &gfx_pcf, kTurkishSample},
                                           FontCase{"gfx_text", &gfx_text, kLatinSample}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace pixmint
