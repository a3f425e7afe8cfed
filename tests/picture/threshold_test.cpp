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

// The light/dark border lies between channel sums 383 and 384; the invalid colour has
// all bits set and so reads as light.
const ThresholdCase kThresholdCases[] = {
    {"sum 384 is light", 0x808080, 0},
    {"sum 383 is dark", 0x7F7F81, 1},
    {"sum 381 (mean 127) is dark", 0x7F7F7F, 1},
    {"channel order does not matter", 0xFF8000, 1},
    {"channel order does not matter, light", 0x0081FF, 0},
    {"black", kBlack, 1},
    {"white", kWhite, 0},
    {"invalid colour", kInvalidColour, 0},
};

TEST(Threshold, BitAndColourFollowTheLightDarkRuleAndInvertSwapsThem)
{
    for (const auto& c : kThresholdCases) {
        SCOPED_TRACE(c.name);
        const bool light = c.bit == 0;
        EXPECT_EQ(EşikBiti(c.colour, false), c.bit);
        EXPECT_EQ(EşikBiti(c.colour, true), 1 - c.bit);
        EXPECT_EQ(EşikRengi(c.colour, false), light ? kWhite : kBlack);
        EXPECT_EQ(EşikRengi(c.colour, true), light ? kBlack : kWhite);
    }
}

TEST(Threshold, RowWidthIsThreeBytesAPixelRoundedUpToFour)
{
    const std::pair<qint32, qint32> cases[] = {
        {0, 0}, {1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {128, 384}, {715827881, 2147483644},
    };
    for (const auto& [width, bytes] : cases)
        EXPECT_EQ(SatırGenişliği(width), bytes) << "width " << width;
}

TEST(Threshold, RowWidthOverflowRaisesError6)
{
    for (const qint32 width : {715827882, std::numeric_limits<qint32>::max()}) {
        try {
            SatırGenişliği(width);
            ADD_FAILURE() << "no error for width " << width;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), Overflow);
        }
    }
}

TEST(TargetSize, SidesFrom1To16384AndAtMost16777216Pixels)
{
    struct Case {
        qint64 width, height;
        bool fits;
    };
    const Case cases[] = {
        {1, 1, true},          {128, 64, true},
        {16384, 1024, true},   {4096, 4096, true},
        {16384, 1025, false},  {4097, 4096, false},
        {0, 64, false},        {128, 0, false},
        {-8, 64, false},       {16385, 1, false},
        {1, 16385, false},     {16384, 16384, false},
        {1LL << 32, 1, false}, {-(1LL << 40), -(1LL << 40), false},
    };
    const QString message = QStringLiteral(
        "En ve yükseklik 1 ile 16384 arasında olmalı; en × yükseklik en fazla 16777216 piksel "
        "olabilir.");
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        const auto problem = targetSizeProblem(c.width, c.height);
        EXPECT_EQ(!problem.has_value(), c.fits);
        if (problem) {
            EXPECT_EQ(*problem, message);
        }
    }
}

}  // namespace
}  // namespace pixmint
