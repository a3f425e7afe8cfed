#include "fitting.h"
#include "event_yield.h"
#include "picture_samples.h"
#include "pixel_reading.h"
#include "run_error.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::asText;
using testing::drawn;
using testing::noise;
using testing::textRows;

struct ScalingCase {
    const char* name;
    QImage source;
    QSize target;
    bool fit;
    QStringList expected;
};

TEST(ResmiAktar, BlackWinsScalingTable)
{
    const ScalingCase cases[] = {
        {"shrinking keeps a lone black pixel",
         drawn({"....", "....", "...#", "...."}),
         {2, 2},
         true,
         textRows({"..", ".#"})},
        {"enlarging 2 to 5 repeats by the index rule",
         drawn({"#."}),
         {5, 1},
         true,
         textRows({"###.."})},
        {"enlarging 3 to 7 repeats by the index rule",
         drawn({"#.#"}),
         {7, 1},
         true,
         textRows({"###..##"})},
        {"widened and flattened at once",
         drawn({"#...", "....", "....", "...#"}),
         {6, 2},
         true,
         textRows({"##....", ".....#"})},
        {"red and green AND to black", drawn({"rg", ".."}), {1, 1}, true, textRows({"#"})},
        {"red and white AND to red, which is dark", drawn({"r."}), {1, 1}, true, textRows({"#"})},
        {"one pixel fills the frame", drawn({"#"}), {3, 2}, true, textRows({"###", "###"})},
        {"without fit the picture is cut to the frame",
         drawn({"#..#", "....", "#..#"}),
         {2, 2},
         false,
         textRows({"#.", ".."})},
        {"without fit a small picture keeps its size",
         drawn({"#.", ".#"}),
         {5, 4},
         false,
         textRows({"#.", ".#"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage result = ResmiAktar(c.source, c.target, c.fit);
        EXPECT_EQ(result.format(), QImage::Format_RGB32);
        EXPECT_EQ(asText(result), c.expected);
    }
}

// The rule applied pixel by pixel, the slow way, to check the fast one against.
QRgb andOfCovered(const QImage& source, QSize target, int x, int y)
{
    auto span = [](qint64 i, qint64 s, qint64 t) {
        const qint64 first = i * s / t;
        return std::pair<qint64, qint64>{first, std::max(first, (i + 1) * s / t - 1)};
    };
    const auto [x0, x1] = span(x, source.width(), target.width());
    const auto [y0, y1] = span(y, source.height(), target.height());
    QRgb value = 0xFFFFFFFFu;
    for (qint64 sy = y0; sy <= y1; ++sy)
        for (qint64 sx = x0; sx <= x1; ++sx)
            value &= source.pixel(static_cast<int>(sx), static_cast<int>(sy));
    return value;
}

TEST(ResmiAktar, EveryTargetPixelIsTheAndOfTheSourcePixelsItCovers)
{
    const std::pair<QSize, QSize> sizes[] = {
        {{256, 128}, {128, 64}}, {{100, 100}, {128, 64}}, {{7, 3}, {3, 7}},   {{5, 5}, {1, 1}},
        {{1, 1}, {4, 3}},        {{13, 1}, {5, 9}},       {{3, 50}, {40, 7}},
    };
    for (const auto& [from, to] : sizes) {
        SCOPED_TRACE(::testing::Message() << from.width() << "x" << from.height() << " -> "
                                          << to.width() << "x" << to.height());
        const QImage source = noise(from.width(), from.height());
        const QImage result = ResmiAktar(source, to, true);
        EXPECT_EQ(result.size(), to);
        if (result.size() != to)
            continue;
        int wrong = 0;
        for (int y = 0; y < to.height(); ++y)
            for (int x = 0; x < to.width(); ++x)
                wrong += result.pixel(x, y) != andOfCovered(source, to, x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(ResmiAktar, EmptySourceOrFrameGivesNoPicture)
{
    EXPECT_TRUE(ResmiAktar(QImage(), {128, 64}, true).isNull());
    EXPECT_TRUE(ResmiAktar(drawn({"#"}), {0, 64}, true).isNull());
    EXPECT_TRUE(ResmiAktar(drawn({"#"}), {128, -1}, false).isNull());
    EXPECT_TRUE(smoothPreview(QImage(), {128, 64}, true).isNull());
}

TEST(ResmiAktar, YieldsOncePerTargetRow)
{
    EventYield yield(nullptr, 0);  // a zero slice: every tick processes events
    ResmiAktar(noise(40, 30), {20, 17}, true, yield);
    EXPECT_EQ(yield.yields(), 17);
}

TEST(SmoothPreview, FitStretchesToTheFrameWithoutFitCuts)
{
    const QImage source = noise(300, 200);
    const QImage fitted = smoothPreview(source, {120, 90}, true);
    EXPECT_EQ(fitted.size(), QSize(120, 90));
    EXPECT_EQ(fitted.format(), QImage::Format_RGB32);
    const QImage cut = smoothPreview(source, {200, 150}, false);
    EXPECT_EQ(cut, source.copy(0, 0, 200, 150));
}

TEST(PikselleriOku, DarkReadsAsOneAndBeyondTheSurfaceAsLight)
{
    const QImage surface = drawn({"#.", ".#", "r."});
    const PixelGrid grid = PikselleriOku(surface, 4, 4, false);
    ASSERT_EQ(grid.width(), 4);
    ASSERT_EQ(grid.height(), 4);
    const std::uint8_t expected[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 0}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(grid.at(x, y), expected[y][x]) << "at " << x << "," << y;

    // Inverted, every bit swaps, the pixels beyond the surface included.
    const PixelGrid inverted = PikselleriOku(surface, 4, 4, true);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(inverted.at(x, y), 1 - expected[y][x]) << "at " << x << "," << y;
}

TEST(PikselleriOku, ReadsOtherPixelFormatsAndAnEmptySurface)
{
    const QImage surface = drawn({"#..#", ".##."});
    const PixelGrid reference = PikselleriOku(surface, 4, 2, false);
    for (const auto format : {QImage::Format_RGB888, QImage::Format_Mono, QImage::Format_ARGB32,
                              QImage::Format_ARGB32_Premultiplied, QImage::Format_Grayscale8}) {
        EXPECT_EQ(PikselleriOku(surface.convertToFormat(format), 4, 2, false), reference)
            << "format " << format;
    }
    EXPECT_EQ(PikselleriOku(QImage(), 128, 64, false), PixelGrid(128, 64));
}

TEST(PikselleriOku, SizeBelowOneRaisesError9)
{
    for (const auto& [w, h] : {std::pair{0, 64}, {128, 0}, {-1, 5}, {0, 0}}) {
        try {
            PikselleriOku(drawn({"#"}), w, h, false);
            ADD_FAILURE() << "no error for " << w << " x " << h;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), IndexOutOfRange);
        }
    }
}

}  // namespace
}  // namespace pixmint
