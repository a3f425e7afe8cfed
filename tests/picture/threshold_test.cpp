#include "threshold.h"
#include "picture_road.h"
#include "run_error.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

struct ThresholdCase {
    const char* name;
    qint32 colour;
    std::uint8_t bit;  // with invert false
};

void PrintTo(const ThresholdCase& c, std::ostream* os)
{
    *os << c.name;
}

class ThresholdRule : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(ThresholdRule, BitAndColourFollowTheLightDarkRuleAndInvertSwapsThem)
{
    const ThresholdCase& c = GetParam();
    const bool light = c.bit == 0;
    EXPECT_EQ(EşikBiti(c.colour, false), c.bit);
    EXPECT_EQ(EşikBiti(c.colour, true), 1 - c.bit);
    EXPECT_EQ(EşikRengi(c.colour, false), light ? kWhite : kBlack);
    EXPECT_EQ(EşikRengi(c.colour, true), light ? kBlack : kWhite);
}

// The light/dark border lies between channel sums 383 and 384; the invalid colour has
// all bits set and so reads as light.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Threshold, ThresholdRule, ::testing::Values(
    ThresholdCase{"Sum384IsLight", 0x808080, 0},
    ThresholdCase{"Sum383IsDark", 0x7F7F81, 1},
    ThresholdCase{"Sum381IsDark", 0x7F7F7F, 1},
    ThresholdCase{"ChannelOrderDoesNotMatter", 0xFF8000, 1},
    ThresholdCase{"ChannelOrderDoesNotMatterLight", 0x0081FF, 0},
    ThresholdCase{"Black", kBlack, 1},
    ThresholdCase{"White", kWhite, 0},
    ThresholdCase{"InvalidColour", kInvalidColour, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct RowWidthCase {
    const char* name;
    qint32 width;
    qint32 bytes;
};

void PrintTo(const RowWidthCase& c, std::ostream* os)
{
    *os << c.name;
}

class RowWidth : public ::testing::TestWithParam<RowWidthCase> {};

TEST_P(RowWidth, IsThreeBytesAPixelRoundedUpToFour)
{
    EXPECT_EQ(SatırGenişliği(GetParam().width), GetParam().bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Threshold, RowWidth, ::testing::Values(
    RowWidthCase{"Empty", 0, 0},
    RowWidthCase{"OnePixel", 1, 4},
    RowWidthCase{"TwoPixels", 2, 8},
    RowWidthCase{"ThreePixels", 3, 12},
    RowWidthCase{"FourPixelsFillThreeWords", 4, 12},
    RowWidthCase{"FivePixels", 5, 16},
    RowWidthCase{"DisplayWidth", 128, 384},
    RowWidthCase{"Largest", 715827881, 2147483644}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct OverflowCase {
    const char* name;
    qint32 width;
};

void PrintTo(const OverflowCase& c, std::ostream* os)
{
    *os << c.name;
}

class RowWidthOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(RowWidthOverflow, RaisesError6)
{
    const qint32 width = GetParam().width;
    try {
        SatırGenişliği(width);
        ADD_FAILURE() << "no error for width " << width;
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), Overflow);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Threshold, RowWidthOverflow, ::testing::Values(
    OverflowCase{"OneAboveTheLargest", 715827882},
    OverflowCase{"LargestWholeNumber", std::numeric_limits<qint32>::max()}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct SizeCase {
    const char* name;
    qint64 width, height;
    bool fits;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SidesAndPixels : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SidesAndPixels, From1To16384AndAtMost16777216Pixels)
{
    const SizeCase& c = GetParam();
    const QString message = QStringLiteral(
        "En ve yükseklik 1 ile 16384 arasında olmalı; en × yükseklik en fazla 16777216 piksel "
        "olabilir.");
    const auto problem = targetSizeProblem(c.width, c.height);
    EXPECT_EQ(!problem.has_value(), c.fits);
    if (problem) {
        EXPECT_EQ(*problem, message);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(TargetSize, SidesAndPixels, ::testing::Values(
    SizeCase{"OnePixel", 1, 1, true},
    SizeCase{"Display", 128, 64, true},
    SizeCase{"WidestAtTheMostPixels", 16384, 1024, true},
    SizeCase{"SquareAtTheMostPixels", 4096, 4096, true},
    SizeCase{"WidestOneRowTooMany", 16384, 1025, false},
    SizeCase{"SquareOneColumnTooMany", 4097, 4096, false},
    SizeCase{"ZeroWidth", 0, 64, false},
    SizeCase{"ZeroHeight", 128, 0, false},
    SizeCase{"NegativeWidth", -8, 64, false},
    SizeCase{"WidthAbove16384", 16385, 1, false},
    SizeCase{"HeightAbove16384", 1, 16385, false},
    SizeCase{"LargestSidesTooManyPixels", 16384, 16384, false},
    SizeCase{"WidthBeyond32Bits", 1LL << 32, 1, false},
    SizeCase{"BothFarBelowZero", -(1LL << 40), -(1LL << 40), false}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
