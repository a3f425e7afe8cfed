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

// Turned clockwise, then mirrored, as Qt turns and mirrors; the picture is larger than the
// strips the turning works in.
TEST(PictureRoad, TurnsClockwiseThenMirrorsAsQtDoes)
{
    const QImage picture = testing::noise(37, 21);
    for (const int degrees : {0, 90, 180, 270}) {
        for (const bool mirror : {false, true}) {
            SCOPED_TRACE(::testing::Message() << degrees << (mirror ? " mirrored" : ""));
            PictureSettings settings = averageWith(Method::Threshold);
            settings.rotation = static_cast<Rotation>(degrees / 90);
            settings.mirror = mirror;
            QImage expected = picture.transformed(QTransform().rotate(degrees));
            if (mirror)
                expected = expected.mirrored(true, false);
            const PictureRoadOutcome converted =
                convertedPicture(picture, expected.width(), expected.height(), false, settings);
            EXPECT_EQ(converted.work.convertToFormat(QImage::Format_RGB32),
                      expected.convertToFormat(QImage::Format_RGB32));
        }
    }
}

// Two greys that the usual threshold both calls dark.
TEST(PictureRoad, ThresholdAndOtsuDecideWhereTheScalingSays)
{
    QImage greys(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        const int level = x % 2 ? 110 : 100;
        greys.setPixel(x, 0, qRgb(level, level, level));
        greys.setPixel(x, 1, qRgb(level, level, level));
    }
    PictureSettings threshold105;
    threshold105.threshold = 105;
    PictureSettings otsu;
    otsu.method = Method::Otsu;
    PictureSettings bayerBlackWins;
    bayerBlackWins.method = Method::Bayer;
    const struct {
        const char* name;
        PictureSettings settings;
        QSize size;
        QStringList target;
    } cases[] = {
        {"the usual threshold", {}, {4, 1}, textRows({"####"})},
        {"threshold 105", threshold105, {4, 1}, textRows({"#.#."})},
        {"otsu at the own size, then black wins", otsu, {2, 1}, textRows({"##"})},
        {"average, then otsu at the target size",
         averageWith(Method::Otsu),
         {4, 1},
         textRows({"#.#."})},
        {"a dithering method with black wins counts as threshold",
         bayerBlackWins,
         {4, 1},
         textRows({"####"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            asText(
                convertedPicture(greys, c.size.width(), c.size.height(), false, c.settings).target),
            c.target);
    }
}

// Average scaling inverts what the method decided: every pixel of the target, never the
// bits that pad the last page, nor the part of the frame the picture does not reach.
TEST(PictureRoad, AverageScalingInvertsAfterTheMethod)
{
    const QImage picture = testing::noise(40, 30);
    for (const bool fit : {true, false}) {
        SCOPED_TRACE(fit ? "fitted" : "cut");
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
}

// The progress bar follows the pass over the picture at its own size with either scaling.
TEST(PictureRoad, ProgressFollowsThePictureRowsWithEitherScaling)
{
    const QImage picture = testing::noise(30, 20);
    for (const PictureSettings& settings : {PictureSettings{}, averageWith(Method::Atkinson)}) {
        SCOPED_TRACE(int(settings.scaling));
        PictureRoadRequest request;
        request.path = QStringLiteral("noise.png");
        request.target = TargetSize{7, 5};
        request.settings = settings;
        RecordingProgress progress;
        EventYield idle;
        runPictureRoad(
            request, [&picture] { return picture; }, &progress, idle);
        const auto& e = progress.events;
        EXPECT_GE(e.size(), 20u + 4u);
        if (e.size() < 4)
            continue;
        EXPECT_EQ(e[0], 0);
        EXPECT_EQ(e[1], -31 * 21);
        EXPECT_EQ(e[e.size() - 2], 31 * 21);
        EXPECT_EQ(e.back(), 0);
        EXPECT_TRUE(std::is_sorted(e.begin() + 2, e.end() - 1));
    }
}

}  // namespace
}  // namespace pixmint
