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

void PrintTo(const ScalingCase& c, std::ostream* os)
{
    *os << c.name;
}

class BlackWinsScaling : public ::testing::TestWithParam<ScalingCase> {};

TEST_P(BlackWinsScaling, GivesTheExpectedPicture)
{
    const ScalingCase& c = GetParam();
    const QImage result = ResmiAktar(c.source, c.target, c.fit);
    EXPECT_EQ(result.format(), QImage::Format_RGB32);
    EXPECT_EQ(asText(result), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResmiAktar, BlackWinsScaling, ::testing::Values(
    ScalingCase{"ShrinkingKeepsALoneBlackPixel", drawn({"....", "....", "...#", "...."}), {2, 2}, true, textRows({"..", ".#"})},
    ScalingCase{"Enlarging2To5RepeatsByTheIndexRule", drawn({"#."}), {5, 1}, true, textRows({"###.."})},
    ScalingCase{"Enlarging3To7RepeatsByTheIndexRule", drawn({"#.#"}), {7, 1}, true, textRows({"###..##"})},
    ScalingCase{"WidenedAndFlattenedAtOnce", drawn({"#...", "....", "....", "...#"}), {6, 2}, true, textRows({"##....", ".....#"})},
    ScalingCase{"RedAndGreenAndToBlack", drawn({"rg", ".."}), {1, 1}, true, textRows({"#"})},
    ScalingCase{"RedAndWhiteAndToRedWhichIsDark", drawn({"r."}), {1, 1}, true, textRows({"#"})},
    ScalingCase{"OnePixelFillsTheFrame", drawn({"#"}), {3, 2}, true, textRows({"###", "###"})},
    ScalingCase{"WithoutFitThePictureIsCutToTheFrame", drawn({"#..#", "....", "#..#"}), {2, 2}, false, textRows({"#.", ".."})},
    ScalingCase{"WithoutFitASmallPictureKeepsItsSize", drawn({"#.", ".#"}), {5, 4}, false, textRows({"#.", ".#"})}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

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

struct SizesCase {
    const char* name;
    QSize from;
    QSize to;
};

void PrintTo(const SizesCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScaledNoise : public ::testing::TestWithParam<SizesCase> {};

TEST_P(ScaledNoise, EveryTargetPixelIsTheAndOfTheSourcePixelsItCovers)
{
    const QSize from = GetParam().from;
    const QSize to = GetParam().to;
    const QImage source = noise(from.width(), from.height());
    const QImage result = ResmiAktar(source, to, true);
    ASSERT_EQ(result.size(), to);
    int wrong = 0;
    for (int y = 0; y < to.height(); ++y)
        for (int x = 0; x < to.width(); ++x)
            wrong += result.pixel(x, y) != andOfCovered(source, to, x, y);
    EXPECT_EQ(wrong, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResmiAktar, ScaledNoise, ::testing::Values(
    SizesCase{"Halved256x128To128x64", {256, 128}, {128, 64}},
    SizesCase{"Square100x100To128x64", {100, 100}, {128, 64}},
    SizesCase{"Transposed7x3To3x7", {7, 3}, {3, 7}},
    SizesCase{"Whole5x5ToOnePixel", {5, 5}, {1, 1}},
    SizesCase{"OnePixelTo4x3", {1, 1}, {4, 3}},
    SizesCase{"OneRow13x1To5x9", {13, 1}, {5, 9}},
    SizesCase{"TallNarrow3x50To40x7", {3, 50}, {40, 7}}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

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

struct FormatCase {
    const char* name;
    QImage::Format format;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class SurfaceFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SurfaceFormat, ReadsAsTheUsualFormat)
{
    const QImage surface = drawn({"#..#", ".##."});
    EXPECT_EQ(PikselleriOku(surface.convertToFormat(GetParam().format), 4, 2, false),
              PikselleriOku(surface, 4, 2, false));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PikselleriOku, SurfaceFormat, ::testing::Values(
    FormatCase{"Rgb888", QImage::Format_RGB888},
    FormatCase{"Mono", QImage::Format_Mono},
    FormatCase{"Argb32", QImage::Format_ARGB32},
    FormatCase{"Argb32Premultiplied", QImage::Format_ARGB32_Premultiplied},
    FormatCase{"Grayscale8", QImage::Format_Grayscale8}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(PikselleriOku, AnEmptySurfaceReadsLight)
{
    EXPECT_EQ(PikselleriOku(QImage(), 128, 64, false), PixelGrid(128, 64));
}

struct BadSizeCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const BadSizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SizeBelowOne : public ::testing::TestWithParam<BadSizeCase> {};

TEST_P(SizeBelowOne, RaisesError9)
{
    const BadSizeCase& c = GetParam();
    try {
        PikselleriOku(drawn({"#"}), c.width, c.height, false);
        ADD_FAILURE() << "no error for " << c.width << " x " << c.height;
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), IndexOutOfRange);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PikselleriOku, SizeBelowOne, ::testing::Values(
    BadSizeCase{"ZeroWidth", 0, 64},
    BadSizeCase{"ZeroHeight", 128, 0},
    BadSizeCase{"NegativeWidth", -1, 5},
    BadSizeCase{"ZeroWidthAndHeight", 0, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
