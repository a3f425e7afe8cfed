#include "library_tables.h"

#include <Adafruit_GFX.h>

#include <gtest/gtest.h>

#include <vector>

namespace pixmint {
namespace {

using testing::ConvertedPicture;
using testing::LibraryTable;
using testing::pixelDifferences;

enum class GfxCall { DrawBitmap, DrawXBitmap };

struct GfxCase {
    const char* name;
    GfxCall call;
    LibraryTable table;        // in the layout that the call reads
    LibraryTable rowsMsbLeft;  // the same picture in the layout of GFXcanvas1's own buffer
    int x = 0;                 // where the call draws it on a 128 × 64 canvas
    int y = 0;
};

void PrintTo(const GfxCase& c, std::ostream* os)
{
    *os << c.name;
}

std::int16_t i16(int value)
{
    return static_cast<std::int16_t>(value);
}

class GfxDrawing : public ::testing::TestWithParam<GfxCase> {
protected:
    void draw(GFXcanvas1& canvas, int x, int y) const
    {
        const GfxCase& c = GetParam();
        const ConvertedPicture picture(c.table);
        const int w = picture.width();
        const int h = picture.height();
        ASSERT_EQ(c.table.size, static_cast<std::size_t>((w + 7) / 8 * h)) << c.table.name;
        if (c.call == GfxCall::DrawBitmap)
            canvas.drawBitmap(i16(x), i16(y), c.table.bytes, i16(w), i16(h), 1);
        else
            canvas.drawXBitmap(i16(x), i16(y), c.table.bytes, i16(w), i16(h), 1);
    }
};

// Pixel for pixel, the canvas shows the picture the table was converted from where the call
// put it, and nothing else.
TEST_P(GfxDrawing, CanvasShowsThePicture)
{
    const GfxCase& c = GetParam();
    const ConvertedPicture picture(c.table);
    GFXcanvas1 canvas(128, 64);
    ASSERT_NO_FATAL_FAILURE(draw(canvas, c.x, c.y));
    const auto expected = [&](int x, int y) {
        const int px = x - c.x;
        const int py = y - c.y;
        return px >= 0 && py >= 0 && px < picture.width() && py < picture.height() &&
               picture.dark(px, py);
    };
    const auto shown = [&](int x, int y) { return canvas.getPixel(i16(x), i16(y)); };
    EXPECT_EQ(pixelDifferences(128, 64, shown, expected), "");
}

// On a canvas of the picture's own size, the canvas's buffer (rows, bit 7 the leftmost pixel,
// each row a whole number of bytes) is the rows-msb-left table byte for byte, pad bits too.
TEST_P(GfxDrawing, CanvasBufferIsTheRowsMsbLeftTable)
{
    const GfxCase& c = GetParam();
    const ConvertedPicture picture(c.table);
    GFXcanvas1 canvas(static_cast<std::uint16_t>(picture.width()),
                      static_cast<std::uint16_t>(picture.height()));
    ASSERT_NO_FATAL_FAILURE(draw(canvas, 0, 0));
    const std::uint8_t* buffer = canvas.getBuffer();
    EXPECT_EQ(
        std::vector<std::uint8_t>(buffer, buffer + c.rowsMsbLeft.size),
        std::vector<std::uint8_t>(c.rowsMsbLeft.bytes, c.rowsMsbLeft.bytes + c.rowsMsbLeft.size));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AdafruitGfx, GfxDrawing, ::testing::Values(
    GfxCase{"DrawBitmapLogo", GfxCall::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(logo_rows_msb_left), PIXMINT_LIBRARY_TABLE(logo_rows_msb_left)},
    GfxCase{"DrawBitmapDitheredPhoto", GfxCall::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(photo_rows_msb_left), PIXMINT_LIBRARY_TABLE(photo_rows_msb_left)},
    GfxCase{"DrawBitmapOddSizeAtAnOffset", GfxCall::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(line_rows_msb_left), PIXMINT_LIBRARY_TABLE(line_rows_msb_left),
        50, 19},
    GfxCase{"DrawBitmapArduinoText", GfxCall::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(logo_rows_msb_left_arduino),
        PIXMINT_LIBRARY_TABLE(logo_rows_msb_left)},
    GfxCase{"DrawXBitmapLogo", GfxCall::DrawXBitmap,
        PIXMINT_LIBRARY_TABLE(logo_rows_lsb_left), PIXMINT_LIBRARY_TABLE(logo_rows_msb_left)},
    GfxCase{"DrawXBitmapDitheredPhoto", GfxCall::DrawXBitmap,
        PIXMINT_LIBRARY_TABLE(photo_rows_lsb_left), PIXMINT_LIBRARY_TABLE(photo_rows_msb_left)},
    GfxCase{"DrawXBitmapOddSizeAtAnOffset", GfxCall::DrawXBitmap,
        PIXMINT_LIBRARY_TABLE(line_rows_lsb_left), PIXMINT_LIBRARY_TABLE(line_rows_msb_left),
        50, 19},
    GfxCase{"DrawXBitmapOddSizeArduinoText", GfxCall::DrawXBitmap,
        PIXMINT_LIBRARY_TABLE(line_rows_lsb_left_arduino),
        PIXMINT_LIBRARY_TABLE(line_rows_msb_left), 91, 43}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// A rows-msb-left table whose width is a whole number of bytes is also the bitmap of a glyph
// of a GFXfont (whose rows run on without padding): printed with setFont, setCursor and
// print, the one glyph draws the logo.
TEST(GfxText, PrintedGlyphShowsThePicture)
{
    const LibraryTable table = PIXMINT_LIBRARY_TABLE(logo_rows_msb_left);
    const ConvertedPicture picture(table);
    GFXglyph glyph{0, 128, 64, 128, 0, -64};
    const GFXfont font{const_cast<std::uint8_t*>(table.bytes), &glyph, 'L', 'L', 64};
    GFXcanvas1 canvas(128, 64);
    canvas.setTextColor(1);
    canvas.setFont(&font);
    canvas.setCursor(0, 64);
    EXPECT_EQ(canvas.print("L"), 1u);
    const auto shown = [&](int x, int y) { return canvas.getPixel(i16(x), i16(y)); };
    const auto expected = [&](int x, int y) { return picture.dark(x, y); };
    EXPECT_EQ(pixelDifferences(128, 64, shown, expected), "");
    EXPECT_EQ(canvas.getCursorX(), 128);
}

}  // namespace
}  // namespace pixmint
