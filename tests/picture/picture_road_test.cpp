#include "picture_road.h"
#include "hex_digits.h"
#include "monochrome.h"
#include "picture_samples.h"

#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pixmint {
namespace {

using testing::asText;
using testing::convertedPicture;
using testing::RecordingProgress;
using testing::textRows;

PictureSettings averageWith(Method method)
{
    PictureSettings settings;
    settings.scaling = Scaling::Average;
    settings.method = method;
    return settings;
}

struct TurningCase {
    const char* name;
    int degrees;
    bool mirror;
};

void PrintTo(const TurningCase& c, std::ostream* os)
{
    *os << c.name;
}

class Turning : public ::testing::TestWithParam<TurningCase> {};

// Turned clockwise, then mirrored, as Qt turns and mirrors; the picture is larger than the
// strips the turning works in.
TEST_P(Turning, IsClockwiseThenMirroredAsQtDoesIt)
{
    const TurningCase& c = GetParam();
    const QImage picture = testing::noise(37, 21);
    PictureSettings settings = averageWith(Method::Threshold);
    settings.rotation = static_cast<Rotation>(c.degrees / 90);
    settings.mirror = c.mirror;
    QImage expected = picture.transformed(QTransform().rotate(c.degrees));
    if (c.mirror)
        expected = expected.mirrored(true, false);
    const PictureRoadOutcome converted =
        convertedPicture(picture, expected.width(), expected.height(), false, settings);
    EXPECT_EQ(converted.work.convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureRoad, Turning, ::testing::Values(
    TurningCase{"Upright", 0, false},
    TurningCase{"UprightMirrored", 0, true},
    TurningCase{"QuarterTurn", 90, false},
    TurningCase{"QuarterTurnMirrored", 90, true},
    TurningCase{"HalfTurn", 180, false},
    TurningCase{"HalfTurnMirrored", 180, true},
    TurningCase{"ThreeQuarterTurn", 270, false},
    TurningCase{"ThreeQuarterTurnMirrored", 270, true}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// Two greys that the usual threshold both calls dark.
QImage twoGreys()
{
    QImage greys(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        const int level = x % 2 ? 110 : 100;
        greys.setPixel(x, 0, qRgb(level, level, level));
        greys.setPixel(x, 1, qRgb(level, level, level));
    }
    return greys;
}

PictureSettings withThreshold(int threshold)
{
    PictureSettings settings;
    settings.threshold = threshold;
    return settings;
}

PictureSettings blackWinsWith(Method method)
{
    PictureSettings settings;
    settings.method = method;
    return settings;
}

struct DecisionCase {
    const char* name;
    PictureSettings settings;
    QSize size;
    QStringList target;
};

void PrintTo(const DecisionCase& c, std::ostream* os)
{
    *os << c.name;
}

class ThresholdAndOtsu : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(ThresholdAndOtsu, DecideWhereTheScalingSays)
{
    const DecisionCase& c = GetParam();
    EXPECT_EQ(
        asText(convertedPicture(twoGreys(), c.size.width(), c.size.height(), false, c.settings)
                   .target),
        c.target);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureRoad, ThresholdAndOtsu, ::testing::Values(
    DecisionCase{"TheUsualThreshold", {}, {4, 1}, textRows({"####"})},
    DecisionCase{"Threshold105", withThreshold(105), {4, 1}, textRows({"#.#."})},
    DecisionCase{"OtsuAtTheOwnSizeThenBlackWins", blackWinsWith(Method::Otsu), {2, 1}, textRows({"##"})},
    DecisionCase{"AverageThenOtsuAtTheTargetSize", averageWith(Method::Otsu), {4, 1}, textRows({"#.#."})},
    DecisionCase{"ADitheringMethodWithBlackWinsCountsAsThreshold", blackWinsWith(Method::Bayer), {4, 1}, textRows({"####"})}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

class AverageInverting : public ::testing::TestWithParam<bool> {};

// Average scaling inverts what the method decided: every pixel of the target, never the
// bits that pad the last page, nor the part of the frame the picture does not reach.
TEST_P(AverageInverting, InvertsAfterTheMethod)
{
    const bool fit = GetParam();
    const QImage picture = testing::noise(40, 30);
    PictureRoadRequest request;
    request.path = QStringLiteral("noise.png");
    request.target = TargetSize{48, 36};
    request.settings = averageWith(Method::FloydSteinberg);
    request.fit = fit;
    EventYield idle;
    const auto decode = [&picture] { return picture; };
    const PictureRoadOutcome plain = runPictureRoad(request, decode, nullptr, idle);
    request.invert = true;
    const PictureRoadOutcome inverted = runPictureRoad(request, decode, nullptr, idle);
    const int reached = fit ? 48 : 40;
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool inside = x < reached && (fit || y < 30);
            EXPECT_EQ(inverted.grid.at(x, y), inside ? 1 - plain.grid.at(x, y) : 0)
                << x << "," << y;
        }
    }
    // Rows 36 to 39 of the last page are padding: bits 4 to 7.
    for (std::size_t i = 4 * 48; i < inverted.bytes.size(); ++i)
        EXPECT_EQ(inverted.bytes[i] & 0xF0, 0) << i;
}

INSTANTIATE_TEST_SUITE_P(PictureRoad, AverageInverting, ::testing::Values(true, false),
                         [](const auto& tested) { return tested.param ? "Fitted" : "Cut"; });

struct ScalingCase {
    const char* name;
    PictureSettings settings;
};

void PrintTo(const ScalingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressOfTheRoad : public ::testing::TestWithParam<ScalingCase> {};

// The progress bar follows the pass over the picture at its own size with either scaling.
TEST_P(ProgressOfTheRoad, FollowsThePictureRows)
{
    const QImage picture = testing::noise(30, 20);
    PictureRoadRequest request;
    request.path = QStringLiteral("noise.png");
    request.target = TargetSize{7, 5};
    request.settings = GetParam().settings;
    RecordingProgress progress;
    EventYield idle;
    runPictureRoad(
        request, [&picture] { return picture; }, &progress, idle);
    const auto& e = progress.events;
    EXPECT_GE(e.size(), 20u + 4u);
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e[0], 0);
    EXPECT_EQ(e[1], -31 * 21);
    EXPECT_EQ(e[e.size() - 2], 31 * 21);
    EXPECT_EQ(e.back(), 0);
    EXPECT_TRUE(std::is_sorted(e.begin() + 2, e.end() - 1));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureRoad, ProgressOfTheRoad, ::testing::Values(
    ScalingCase{"BlackWins", PictureSettings{}},
    ScalingCase{"AverageThenAtkinson", averageWith(Method::Atkinson)}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
