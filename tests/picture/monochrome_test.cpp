#include "monochrome.h"
#include "event_yield.h"
#include "picture_road.h"
#include "picture_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace pixmint {
namespace {

using testing::asText;
using testing::convertedPicture;
using testing::drawn;
using testing::RecordingProgress;
using testing::textRows;

struct ProgressCase {
    const char* name;
    QSize size;
    qint64 maximum;
};

void PrintTo(const ProgressCase& c, std::ostream* os)
{
    *os << c.name;
}

class Progress : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(Progress, RunsToOneRowAndColumnMoreThanThePictureThenBackToZero)
{
    const QSize size = GetParam().size;
    const qint64 maximum = GetParam().maximum;
    QImage picture = testing::noise(size.width(), size.height());
    RecordingProgress progress;
    SiyahBeyazYap(picture, false, &progress);

    const auto& e = progress.events;
    EXPECT_GE(e.size(), static_cast<std::size_t>(size.height()) + 4);  // a value per row
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e[0], 0);
    EXPECT_EQ(e[1], -maximum);
    EXPECT_EQ(e[e.size() - 2], maximum);
    EXPECT_EQ(e.back(), 0);
    EXPECT_TRUE(std::is_sorted(e.begin() + 2, e.end() - 1));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SiyahBeyazYap, Progress, ::testing::Values(
    ProgressCase{"Square2x2", {2, 2}, 9},
    ProgressCase{"Wide5x3", {5, 3}, 24},
    ProgressCase{"OneColumn1x7", {1, 7}, 16}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// The pixels of one picture: a colour and what it becomes, plain and inverted.
struct ColourCase {
    const char* name;
    QRgb colour;
    QRgb plain;
    QRgb inverted;
};

const QRgb kWhiteRgb = qRgb(255, 255, 255);
const QRgb kBlackRgb = qRgb(0, 0, 0);
const ColourCase kColourCases[] = {
    {"MiddleGreyIsLight", qRgb(128, 128, 128), kWhiteRgb, kBlackRgb},
    {"JustBelowTheMiddleIsDark", qRgb(127, 127, 129), kBlackRgb, kWhiteRgb},
    {"RedIsDark", qRgb(255, 0, 0), kBlackRgb, kWhiteRgb},
    {"YellowIsLight", qRgb(255, 255, 0), kWhiteRgb, kBlackRgb},
    {"White", kWhiteRgb, kWhiteRgb, kBlackRgb},
    {"Black", kBlackRgb, kBlackRgb, kWhiteRgb},
};
constexpr int kColourCount = static_cast<int>(std::size(kColourCases));

struct FormatCase {
    const char* name;
    QImage::Format format;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

// A pixel of the picture, by its place, in the picture's format.
class BlackOrWhite : public ::testing::TestWithParam<std::tuple<FormatCase, int>> {};

TEST_P(BlackOrWhite, EveryPixelTurnsAndInvertSwaps)
{
    const auto& [format, x] = GetParam();
    QImage source(kColourCount, 1, QImage::Format_RGB32);
    for (int i = 0; i < kColourCount; ++i)
        source.setPixel(i, 0, kColourCases[i].colour);
    QImage plain = source.convertToFormat(format.format);
    QImage inverted = plain;
    SiyahBeyazYap(plain, false);
    SiyahBeyazYap(inverted, true);
    EXPECT_EQ(plain.format(), QImage::Format_RGB32);
    EXPECT_EQ(plain.pixel(x, 0), kColourCases[x].plain);
    EXPECT_EQ(inverted.pixel(x, 0), kColourCases[x].inverted);
}

INSTANTIATE_TEST_SUITE_P(
    SiyahBeyazYap, BlackOrWhite,
    ::testing::Combine(::testing::Values(FormatCase{"Rgb32", QImage::Format_RGB32},
                                         FormatCase{"Rgb888", QImage::Format_RGB888}),
                       ::testing::Range(0, kColourCount)),
    [](const auto& tested) {
        return std::string(std::get<0>(tested.param).name) + "_" +
               kColourCases[std::get<1>(tested.param)].name;
    });

TEST(SiyahBeyazYap, WorksInPlaceAndYieldsOncePerRow)
{
    QImage picture = testing::noise(64, 23);
    const uchar* before = picture.constBits();
    EventYield yield(nullptr, 0);
    SiyahBeyazYap(picture, false, nullptr, yield);
    EXPECT_EQ(picture.constBits(), before);
    EXPECT_EQ(yield.yields(), 23);
}

struct ConversionCase {
    const char* name;
    QImage source;
    bool invert;
    QSize size;
    QStringList target;
};

void PrintTo(const ConversionCase& c, std::ostream* os)
{
    *os << c.name;
}

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, DarkBecomesOneAndInvertingTurnsThePictureOver)
{
    const ConversionCase& c = GetParam();
    const PictureRoadOutcome converted =
        convertedPicture(c.source, c.size.width(), c.size.height(), c.invert);
    EXPECT_EQ(asText(converted.target), c.target);
    ASSERT_EQ(converted.grid.width(), c.size.width());
    ASSERT_EQ(converted.grid.height(), c.size.height());
    for (int y = 0; y < c.size.height(); ++y)
        for (int x = 0; x < c.size.width(); ++x)
            EXPECT_EQ(converted.grid.at(x, y), c.target[y][x] == u'#' ? 1 : 0);
}

QImage blocks()
{
    return drawn({"##....##", "##....##", "..####..", "..####.."});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ConvertPicture, Conversion, ::testing::Values(
    ConversionCase{"Halved", blocks(), false, {4, 2}, textRows({"#..#", ".##."})},
    ConversionCase{"HalvedInverted", blocks(), true, {4, 2}, textRows({".##.", "#..#"})},
    // A block of mixed pixels stays black whichever way the picture is turned.
    ConversionCase{"MixedBlock", drawn({"#.", ".."}), false, {1, 1}, textRows({"#"})},
    ConversionCase{"MixedBlockInverted", drawn({"#.", ".."}), true, {1, 1}, textRows({"#"})},
    ConversionCase{"ColoursDecidedBeforeScaling", drawn({"rr", "rr"}), true, {1, 1}, textRows({"."})}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct RefusedSizeCase {
    const char* name;
    const char* size;
};

void PrintTo(const RefusedSizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SizeOutOfBounds : public ::testing::TestWithParam<RefusedSizeCase> {};

TEST_P(SizeOutOfBounds, IsRefusedBeforeDecodingThePicture)
{
    const QStringList sides = QString::fromLatin1(GetParam().size).split(u'x');
    PictureRoadRequest request;
    request.path = QStringLiteral("picture.png");
    request.target = readTargetSize(sides[0], sides[1]);
    bool decoded = false;
    EventYield idle;
    const PictureRoadOutcome outcome = runPictureRoad(
        request, [&decoded] { return decoded = true, QImage(); }, nullptr, idle);
    EXPECT_EQ(outcome.failure, *targetSizeProblem(0, 0));
    EXPECT_FALSE(decoded);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ConvertPicture, SizeOutOfBounds, ::testing::Values(
    RefusedSizeCase{"ZeroWidth", "0x64"},
    RefusedSizeCase{"TooManyPixels", "16384x16384"},
    RefusedSizeCase{"NoNumber", "abcx8"}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
