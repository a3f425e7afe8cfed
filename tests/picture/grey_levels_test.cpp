#include "grey_levels.h"
#include "dithering.h"
#include "event_yield.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace pixmint {
namespace {

using Levels = std::vector<std::vector<int>>;

QImage greyPicture(const Levels& rows)
{
    QImage picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB32);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const int level = rows[y][x];
            picture.setPixel(static_cast<int>(x), static_cast<int>(y), qRgb(level, level, level));
        }
    }
    return picture;
}

Levels levelsOf(const QImage& grey)
{
    Levels rows(static_cast<std::size_t>(grey.height()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const uchar* line = grey.constScanLine(static_cast<int>(y));
        rows[y].assign(line, line + grey.width());
    }
    return rows;
}

QImage averaged(const QImage& picture, QSize size)
{
    EventYield none;
    return averageGrey(picture, size, nullptr, none);
}

QImage twoColours()
{
    QImage colours(2, 1, QImage::Format_RGB32);
    colours.setPixel(0, 0, qRgb(255, 0, 1));
    colours.setPixel(1, 0, qRgb(254, 254, 255));
    return colours;
}

struct AverageCase {
    const char* name;
    QImage picture;
    QSize size;
    Levels expected;
};

void PrintTo(const AverageCase& c, std::ostream* os)
{
    *os << c.name;
}

class AreaAverage : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AreaAverage, IsTheOneWorkedByHand)
{
    const AverageCase& c = GetParam();
    const QImage grey = averaged(c.picture, c.size);
    EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(levelsOf(grey), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AverageGrey, AreaAverage, ::testing::Values(
    // Target pixel 0 covers source pixel 0 and half of 1: (2·10 + 12) / 3 = 10.67;
    // target 1: (12 + 2·200) / 3 = 137.33.
    AverageCase{"ThreeToTwo", greyPicture({{10, 12, 200}}), {2, 1}, {{11, 137}}},
    // The middle pixel lies half on each source pixel: 11.5, rounded up.
    AverageCase{"TwoToThree", greyPicture({{10, 13}}), {3, 1}, {{10, 12, 13}}},
    // Column weights (2, 2, 1, 0, 0) and (0, 0, 1, 2, 2), row weights (2, 1, 0) and
    // (0, 1, 2), divisor 15: 520, 880, 1520, 2300.
    AverageCase{"FiveByThreeToTwoByTwo",
        greyPicture({{10, 20, 30, 40, 50}, {60, 70, 80, 90, 100}, {110, 120, 130, 140, 255}}),
        {2, 2}, {{35, 59}, {101, 153}}},
    // The level of a colour is the whole-number mean of its channels.
    AverageCase{"Colours", twoColours(), {2, 1}, {{85, 254}}}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct UniformSizeCase {
    const char* name;
    QSize size;
};

void PrintTo(const UniformSizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class UniformGrey : public ::testing::TestWithParam<UniformSizeCase> {};

TEST_P(UniformGrey, StaysThatGrey)
{
    const QSize size = GetParam().size;
    QImage picture(37, 23, QImage::Format_RGB32);
    picture.fill(qRgb(77, 77, 77));
    const Levels expected(std::size_t(size.height()),
                          std::vector<int>(std::size_t(size.width()), 77));
    EXPECT_EQ(levelsOf(averaged(picture, size)), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AverageGrey, UniformGrey, ::testing::Values(
    UniformSizeCase{"Enlarged", QSize(128, 64)},
    UniformSizeCase{"Shrunk", QSize(5, 3)},
    UniformSizeCase{"OnePixel", QSize(1, 1)},
    UniformSizeCase{"OwnSize", QSize(37, 23)}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(OtsuThreshold, SplitsTwoLevelsAtTheLowerAndOneLevelAt127)
{
    LevelHistogram twoLevels{};
    twoLevels[40] = 10;
    twoLevels[200] = 30;
    EXPECT_EQ(otsuThreshold(twoLevels), 40);
    LevelHistogram oneLevel{};
    oneLevel[90] = 5;
    EXPECT_EQ(otsuThreshold(oneLevel), 127);
    EXPECT_EQ(otsuThreshold(LevelHistogram{}), 127);
}

// The dark pixels of a method, one text row per picture row ('#' dark).
std::vector<std::string> darkText(const QImage& grey, Method method, int threshold)
{
    EventYield none;
    const PixelGrid dark = darkPixels(grey, method, threshold, none);
    std::vector<std::string> rows;
    for (int y = 0; y < dark.height(); ++y) {
        std::string row;
        for (int x = 0; x < dark.width(); ++x)
            row += dark.at(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

QImage levelsPicture(const Levels& rows)
{
    return averaged(greyPicture(rows), QSize(int(rows.front().size()), int(rows.size())));
}

struct DecisionCase {
    const char* name;
    Method method;
    int threshold;
    std::vector<int> levels;
    const char* dark;
};

void PrintTo(const DecisionCase& c, std::ostream* os)
{
    *os << c.name;
}

class ThresholdDecision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(ThresholdDecision, DecidesEachPixel)
{
    const DecisionCase& c = GetParam();
    EXPECT_EQ(darkText(levelsPicture({c.levels}), c.method, c.threshold),
              std::vector<std::string>{c.dark});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DarkPixels, ThresholdDecision, ::testing::Values(
    DecisionCase{"ThresholdZero", Method::Threshold, 0, {0, 1, 255}, "#.."},
    DecisionCase{"Threshold254", Method::Threshold, 254, {253, 254, 255}, "##."},
    // Otsu's threshold of two levels both below 127 splits them.
    DecisionCase{"OtsuSplitsTwoDarkLevels", Method::Otsu, 127, {100, 110, 100, 110}, "#.#."},
    DecisionCase{"OtsuOfOneLevel", Method::Otsu, 0, {90, 90}, "##"}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// The share of light pixels of a method in the columns [left, left + width) of the picture.
double lightShare(const PixelGrid& dark, int left, int width)
{
    int light = 0;
    for (int y = 0; y < dark.height(); ++y)
        for (int x = left; x < left + width; ++x)
            light += dark.at(x, y) ? 0 : 1;
    return double(light) / (width * dark.height());
}

struct ShareCase {
    const char* name;
    int level;
    double share;
};

void PrintTo(const ShareCase& c, std::ostream* os)
{
    *os << c.name;
}

class BayerOfAUniformGrey : public ::testing::TestWithParam<ShareCase> {};

TEST_P(BayerOfAUniformGrey, LightsItsShare)
{
    const ShareCase& c = GetParam();
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(qRgb(c.level, c.level, c.level));
    EventYield none;
    EXPECT_EQ(lightShare(darkPixels(grey, Method::Bayer, 127, none), 0, 16), c.share);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DarkPixels, BayerOfAUniformGrey, ::testing::Values(
    ShareCase{"Black", 0, 0.0},
    ShareCase{"MiddleGrey", 128, 0.5},
    ShareCase{"White", 255, 1.0}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// Error diffusion keeps the tone of every band of a ramp from black to white; Atkinson,
// which passes on only three quarters of each error, less closely.
struct DiffusionCase {
    const char* name;
    Method method;
    double tolerance;
};

void PrintTo(const DiffusionCase& c, std::ostream* os)
{
    *os << c.name;
}

class ErrorDiffusion : public ::testing::TestWithParam<DiffusionCase> {};

TEST_P(ErrorDiffusion, KeepsTheToneOfEveryBandOfARamp)
{
    const DiffusionCase& c = GetParam();
    QImage ramp(256, 64, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.scanLine(y)[x] = static_cast<uchar>(x);
    EventYield none;
    const PixelGrid dark = darkPixels(ramp, c.method, 127, none);
    for (int left = 0; left < 256; left += 16) {
        SCOPED_TRACE(::testing::Message() << "band " << left);
        EXPECT_NEAR(lightShare(dark, left, 16), (left + 7.5) / 255.0, c.tolerance);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DarkPixels, ErrorDiffusion, ::testing::Values(
    DiffusionCase{"FloydSteinberg", Method::FloydSteinberg, 0.03},
    DiffusionCase{"Atkinson", Method::Atkinson, 0.12}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
