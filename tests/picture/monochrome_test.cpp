#include "monochrome.h"
#include "event_yield.h"
#include "picture_road.h"
#include "picture_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pixmint {
namespace {

using testing::asText;
using testing::convertedPicture;
using testing::drawn;
using testing::RecordingProgress;
using testing::textRows;

TEST(SiyahBeyazYap, ProgressRunsToOneRowAndColumnMoreThanThePictureThenBackToZero)
{
    const std::pair<QSize, qint64> cases[] = {{{2, 2}, 9}, {{5, 3}, 24}, {{1, 7}, 16}};
    for (const auto& [size, maximum] : cases) {
        SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
        QImage picture = testing::noise(size.width(), size.height());
        RecordingProgress progress;
        SiyahBeyazYap(picture, false, &progress);

        const auto& e = progress.events;
        EXPECT_GE(e.size(), static_cast<std::size_t>(size.height()) + 4);  // a value per row
        if (e.size() < 4)
            continue;
        EXPECT_EQ(e[0], 0);
        EXPECT_EQ(e[1], -maximum);
        EXPECT_EQ(e[e.size() - 2], maximum);
        EXPECT_EQ(e.back(), 0);
        EXPECT_TRUE(std::is_sorted(e.begin() + 2, e.end() - 1));
    }
}

TEST(SiyahBeyazYap, TurnsEveryPixelBlackOrWhiteAndInvertSwaps)
{
    struct Case {
        QRgb colour;
        QRgb plain;
        QRgb inverted;
    };
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const Case cases[] = {
        {qRgb(128, 128, 128), white, black},
        {qRgb(127, 127, 129), black, white},
        {qRgb(255, 0, 0), black, white},
        {qRgb(255, 255, 0), white, black},
        {white, white, black},
        {black, black, white},
    };
    for (const auto format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        SCOPED_TRACE(::testing::Message() << "format " << format);
        QImage source(static_cast<int>(std::size(cases)), 1, QImage::Format_RGB32);
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, 0, cases[x].colour);
        QImage plain = source.convertToFormat(format);
        QImage inverted = plain;
        SiyahBeyazYap(plain, false);
        SiyahBeyazYap(inverted, true);
        EXPECT_EQ(plain.format(), QImage::Format_RGB32);
        for (int x = 0; x < source.width(); ++x) {
            EXPECT_EQ(plain.pixel(x, 0), cases[x].plain) << "pixel " << x;
            EXPECT_EQ(inverted.pixel(x, 0), cases[x].inverted) << "pixel " << x;
        }
    }
}

TEST(SiyahBeyazYap, WorksInPlaceAndYieldsOncePerRow)
{
    QImage picture = testing::noise(64, 23);
    const uchar* before = picture.constBits();
    EventYield yield(nullptr, 0);
    SiyahBeyazYap(picture, false, nullptr, yield);
    EXPECT_EQ(picture.constBits(), before);
    EXPECT_EQ(yield.yields(), 23);
}

TEST(ConvertPicture, DarkBecomesOneAndInvertingTurnsThePictureOver)
{
    struct Case {
        const char* name;
        QImage source;
        bool invert;
        QSize size;
        QStringList target;
    };
    const QImage blocks = drawn({"##....##", "##....##", "..####..", "..####.."});
    const Case cases[] = {
        {"halved", blocks, false, {4, 2}, textRows({"#..#", ".##."})},
        {"halved inverted", blocks, true, {4, 2}, textRows({".##.", "#..#"})},
        // A block of mixed pixels stays black whichever way the picture is turned.
        {"mixed block", drawn({"#.", ".."}), false, {1, 1}, textRows({"#"})},
        {"mixed block inverted", drawn({"#.", ".."}), true, {1, 1}, textRows({"#"})},
        {"colours decided before scaling", drawn({"rr", "rr"}), true, {1, 1}, textRows({"."})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PictureRoadOutcome converted =
            convertedPicture(c.source, c.size.width(), c.size.height(), c.invert);
        EXPECT_EQ(asText(converted.target), c.target);
        EXPECT_EQ(converted.grid.width(), c.size.width());
        EXPECT_EQ(converted.grid.height(), c.size.height());
        if (converted.grid.width() != c.size.width() || converted.grid.height() != c.size.height())
            continue;
        for (int y = 0; y < c.size.height(); ++y)
            for (int x = 0; x < c.size.width(); ++x)
                EXPECT_EQ(converted.grid.at(x, y), c.target[y][x] == u'#' ? 1 : 0);
    }
}

TEST(ConvertPicture, RefusesASizeOutOfBoundsBeforeDecodingThePicture)
{
    for (const char* size : {"0x64", "16384x16384", "abcx8"}) {
        const QStringList sides = QString::fromLatin1(size).split(u'x');
        PictureRoadRequest request;
        request.path = QStringLiteral("picture.png");
        request.target = readTargetSize(sides[0], sides[1]);
        bool decoded = false;
        EventYield idle;
        const PictureRoadOutcome outcome = runPictureRoad(
            request, [&decoded] { return decoded = true, QImage(); }, nullptr, idle);
        EXPECT_EQ(outcome.failure, *targetSizeProblem(0, 0)) << size;
        EXPECT_FALSE(decoded) << size;
    }
}

}  // namespace
}  // namespace pixmint
