#include "library_tables.h"

#include <u8g2.h>

#include <gtest/gtest.h>

#include <vector>

namespace pixmint {
namespace {

using testing::ConvertedPicture;
using testing::LibraryTable;
using testing::pixelDifferences;

constexpr int displayWidth = 128;
constexpr int displayHeight = 64;

// The display's byte and pin callbacks: nothing is sent anywhere, the tests only draw into
// the frame buffer (so u8g2_InitDisplay, which would send the display its start-up
// commands, is not called).
std::uint8_t noBus(u8x8_t*, std::uint8_t, std::uint8_t, void*)
{
    return 1;
}

enum class U8g2Call { DrawXbm, DrawBitmap };

struct U8g2Case {
    const char* name;
    U8g2Call call;
    LibraryTable table;        // in the layout that the call reads
    LibraryTable pagesLsbTop;  // the same picture in the SSD1306's page layout
    int x = 0;                 // where the call draws it; y is a whole number of pages
    int y = 0;
};

void PrintTo(const U8g2Case& c, std::ostream* os)
{
    *os << c.name;
}

std::uint16_t u16(int value)
{
    return static_cast<std::uint16_t>(value);
}

class U8g2Drawing : public ::testing::TestWithParam<U8g2Case> {
protected:
    // The 1024 bytes of the SSD1306 128 × 64 full frame buffer after the call drew the
    // table into the cleared buffer (u8g2 keeps one buffer for every set-up of the display).
    void draw(std::vector<std::uint8_t>& frame) const
    {
        const U8g2Case& c = GetParam();
        const ConvertedPicture picture(c.table);
        const int w = picture.width();
        const int h = picture.height();
        const int bytesPerRow = (w + 7) / 8;
        ASSERT_EQ(c.table.size, static_cast<std::size_t>(bytesPerRow * h)) << c.table.name;
        u8g2_t u8g2;
        u8g2_Setup_ssd1306_128x64_noname_f(&u8g2, U8G2_R0, noBus, noBus);
        u8g2_ClearBuffer(&u8g2);
        if (c.call == U8g2Call::DrawXbm)
            u8g2_DrawXBM(&u8g2, u16(c.x), u16(c.y), u16(w), u16(h), c.table.bytes);
        else  // u8g2_DrawBitmap counts the width in bytes
            u8g2_DrawBitmap(&u8g2, u16(c.x), u16(c.y), u16(bytesPerRow), u16(h), c.table.bytes);
        const std::uint8_t* buffer = u8g2_GetBufferPtr(&u8g2);
        frame.assign(buffer, buffer + displayWidth * displayHeight / 8);
    }
};

// Pixel for pixel, the display shows the picture the table was converted from where the
// call put it, and nothing else (u8g2_DrawBitmap draws whole bytes: the pad bits of a row
// would show to the right of the picture).
TEST_P(U8g2Drawing, BufferShowsThePicture)
{
    const U8g2Case& c = GetParam();
    const ConvertedPicture picture(c.table);
    std::vector<std::uint8_t> frame;
    ASSERT_NO_FATAL_FAILURE(draw(frame));
    const auto shown = [&](int x, int y) {
        return (frame[static_cast<std::size_t>(y / 8 * displayWidth + x)] >> (y % 8) & 1) != 0;
    };
    const auto expected = [&](int x, int y) {
        const int px = x - c.x;
        const int py = y - c.y;
        return px >= 0 && py >= 0 && px < picture.width() && py < picture.height() &&
               picture.dark(px, py);
    };
    EXPECT_EQ(pixelDifferences(displayWidth, displayHeight, shown, expected), "");
}

// The frame buffer, which u8g2 sends to the SSD1306 as it is, holds the pages-lsb-top table
// of the picture byte for byte: column x of page p at p · 128 + x, pad rows of the last page
// included.
TEST_P(U8g2Drawing, BufferHoldsThePagesLsbTopTable)
{
    const U8g2Case& c = GetParam();
    const ConvertedPicture picture(c.table);
    const int w = picture.width();
    const int pages = (picture.height() + 7) / 8;
    ASSERT_EQ(c.pagesLsbTop.size, static_cast<std::size_t>(w * pages));
    std::vector<std::uint8_t> expected(displayWidth * displayHeight / 8, 0);
    for (int page = 0; page < pages; ++page)
        for (int x = 0; x < w; ++x)
            expected[static_cast<std::size_t>((c.y / 8 + page) * displayWidth + c.x + x)] =
                c.pagesLsbTop.bytes[page * w + x];
    std::vector<std::uint8_t> frame;
    ASSERT_NO_FATAL_FAILURE(draw(frame));
    EXPECT_EQ(frame, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(U8g2, U8g2Drawing, ::testing::Values(
    U8g2Case{"DrawXbmLogo", U8g2Call::DrawXbm,
        PIXMINT_LIBRARY_TABLE(logo_rows_lsb_left), PIXMINT_LIBRARY_TABLE(logo_pages_lsb_top)},
    U8g2Case{"DrawXbmDitheredPhoto", U8g2Call::DrawXbm,
        PIXMINT_LIBRARY_TABLE(photo_rows_lsb_left), PIXMINT_LIBRARY_TABLE(photo_pages_lsb_top)},
    U8g2Case{"DrawXbmOddSizeAtAnOffset", U8g2Call::DrawXbm,
        PIXMINT_LIBRARY_TABLE(line_rows_lsb_left), PIXMINT_LIBRARY_TABLE(line_pages_lsb_top),
        45, 16},
    U8g2Case{"DrawXbmOddSizeArduinoText", U8g2Call::DrawXbm,
        PIXMINT_LIBRARY_TABLE(line_rows_lsb_left_arduino),
        PIXMINT_LIBRARY_TABLE(line_pages_lsb_top), 91, 40},
    U8g2Case{"DrawBitmapLogo", U8g2Call::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(logo_rows_msb_left), PIXMINT_LIBRARY_TABLE(logo_pages_lsb_top)},
    U8g2Case{"DrawBitmapDitheredPhoto", U8g2Call::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(photo_rows_msb_left), PIXMINT_LIBRARY_TABLE(photo_pages_lsb_top)},
    U8g2Case{"DrawBitmapOddSizeAtAnOffset", U8g2Call::DrawBitmap,
        PIXMINT_LIBRARY_TABLE(line_rows_msb_left), PIXMINT_LIBRARY_TABLE(line_pages_lsb_top),
        45, 16}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
