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

// How a conversion changes the plain picture: "Resmi Tersle", the polarity Lit, or both.
struct ExchangeCase {
    const char* name;
    bool fit;
    bool invert;
    Polarity polarity;
};

void PrintTo(const ExchangeCase& c, std::ostream* os)
{
    *os << c.name;
}

class AverageInverting : public ::testing::TestWithParam<ExchangeCase> {};

// Average scaling inverts what the method decided: every pixel of the target, never the
// bits that pad the last page, nor the part of the frame the picture does not reach. The
// polarity Lit exchanges the whole grid, the frame too, only in the table, on top of the
// inversion; the pad bits stay 0.
TEST_P(AverageInverting, InvertsAfterTheMethod)
{
    const ExchangeCase& c = GetParam();
    const QImage picture = testing::noise(40, 30);
    PictureRoadRequest request;
    request.path = QStringLiteral("noise.png");
    request.target = TargetSize{48, 36};
    request.settings = averageWith(Method::FloydSteinberg);
    request.fit = c.fit;
    EventYield idle;
    const auto decode = [&picture] { return picture; };
    const PictureRoadOutcome plain = runPictureRoad(request, decode, nullptr, idle);
    request.invert = c.invert;
    request.settings.polarity = c.polarity;
    const PictureRoadOutcome exchanged = runPictureRoad(request, decode, nullptr, idle);
    const int reached = c.fit ? 48 : 40;
    const bool lit = c.polarity == Polarity::Lit;
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool inside = x < reached && (c.fit || y < 30);
            const int dark = c.invert && inside ? 1 - plain.grid.at(x, y) : plain.grid.at(x, y);
            EXPECT_EQ(exchanged.grid.at(x, y), dark) << x << "," << y;
            const int bit = (exchanged.bytes[std::size_t(y / 8 * 48 + x)] >> (y % 8)) & 1;
            EXPECT_EQ(bit, lit ? 1 - dark : dark) << x << "," << y;
        }
    }
    // Rows 36 to 39 of the last page are padding: bits 4 to 7.
    for (std::size_t i = 4 * 48; i < exchanged.bytes.size(); ++i)
        EXPECT_EQ(exchanged.bytes[i] & 0xF0, 0) << i;
    EXPECT_EQ(exchanged.bytes, displayTable(exchanged.grid, request.settings));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureRoad, AverageInverting, ::testing::Values(
    ExchangeCase{"Fitted", true, true, Polarity::Dark},
    ExchangeCase{"Cut", false, true, Polarity::Dark},
    ExchangeCase{"FittedLit", true, false, Polarity::Lit},
    ExchangeCase{"CutLit", false, false, Polarity::Lit},
    ExchangeCase{"CutInvertedAndLit", false, true, Polarity::Lit}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// The last line of a C or Arduino text for a library call's preset.
struct CallCase {
    const char* name;
    const char* language;
    const char* display;
    const char* tableName;
    const char* lastLine;  // nullptr: the text is the one without a preset
};

void PrintTo(const CallCase& c, std::ostream* os)
{
    *os << c.name;
}

class LibraryCallLine : public ::testing::TestWithParam<CallCase> {};

TEST_P(LibraryCallLine, EndsTheTextOfACallInCAndArduinoOnly)
{
    const CallCase& c = GetParam();
    const QImage picture = testing::noise(30, 20);
    PictureRoadRequest request;
    request.path = QStringLiteral("logo.png");
    request.target = TargetSize{20, 10};
    request.format = readTextFormat(presetFormat(QString::fromUtf8(c.language)));
    request.tableName = QString::fromUtf8(c.tableName);
    EventYield idle;
    const auto decode = [&picture] { return picture; };
    const QString plain = runPictureRoad(request, decode, nullptr, idle).code.code.text;
    request.settings.display = QString::fromUtf8(c.display);
    const QString text = runPictureRoad(request, decode, nullptr, idle).code.code.text;
    const QString last =
        c.lastLine ? QString::fromUtf8(c.lastLine) + QStringLiteral("\r\n") : QString();
    EXPECT_EQ(text, plain + last);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureRoad, LibraryCallLine, ::testing::Values(
    CallCase{"GfxDrawBitmapInC", "C", "gfx-drawbitmap", "",
             "// display.drawBitmap(0, 0, (uint8_t *)resim, 20, 10, SSD1306_WHITE);"},
    CallCase{"GfxDrawBitmapInArduino", "Arduino", "gfx-drawbitmap", "logo",
             "// display.drawBitmap(0, 0, logo, 20, 10, SSD1306_WHITE);"},
    CallCase{"U8g2DrawBitmapCountsRowBytes", "C", "u8g2-drawbitmap", "logo",
             "// u8g2_DrawBitmap(&u8g2, 0, 0, 3, 10, logo);"},
    CallCase{"AModuleHasNoCall", "C", "ssd1306-128x64", "", nullptr},
    CallCase{"NoCallInAsm", "Asm", "gfx-drawbitmap", "", nullptr},
    CallCase{"NoCallInCcs", "CCS", "u8g2-drawxbm", "logo", nullptr}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

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
