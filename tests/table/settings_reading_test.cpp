#include "number_format.h"
#include "number_reading.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

struct WholeNumberCase {
    const char* name;
    QString text;
    std::optional<int> expected;
};

void PrintTo(const WholeNumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class WholeNumber : public ::testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumber, ReadsAsTheSettingsCheckReadsIt)
{
    const WholeNumberCase& c = GetParam();
    EXPECT_EQ(readWholeNumber(c.text), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberReading, WholeNumber, ::testing::Values(
    WholeNumberCase{"Plain", QStringLiteral("128"), 128},
    WholeNumberCase{"NegativeWithSpaces", QStringLiteral(" -8 "), -8},
    WholeNumberCase{"PlusSign", QStringLiteral("+16"), 16},
    WholeNumberCase{"HalfRoundsToEvenBelow", QStringLiteral("12.5"), 12},
    WholeNumberCase{"HalfRoundsToEvenAbove", QStringLiteral("13.5"), 14},
    WholeNumberCase{"DecimalComma", QStringLiteral("12,51"), 13},
    WholeNumberCase{"NegativeHalfRoundsToEven", QStringLiteral("-4.5"), -4},
    WholeNumberCase{"FractionOnly", QStringLiteral(".6"), 1},
    WholeNumberCase{"TrailingPoint", QStringLiteral("7."), 7},
    WholeNumberCase{"Largest", QStringLiteral("2147483647"), 2147483647},
    WholeNumberCase{"Smallest", QStringLiteral("-2147483648"), -2147483647 - 1},
    WholeNumberCase{"OneAboveTheLargest", QStringLiteral("2147483648"), std::nullopt},
    WholeNumberCase{"FarTooLarge", QStringLiteral("99999999999999999999"), std::nullopt},
    WholeNumberCase{"Letters", QStringLiteral("abc"), std::nullopt},
    WholeNumberCase{"TwoNumbers", QStringLiteral("1 2"), std::nullopt},
    WholeNumberCase{"SignOnly", QStringLiteral("-"), std::nullopt},
    WholeNumberCase{"PointOnly", QStringLiteral("."), std::nullopt},
    WholeNumberCase{"Exponent", QStringLiteral("1e3"), std::nullopt},
    WholeNumberCase{"Empty", QStringLiteral(""), std::nullopt}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct LeadingNumberCase {
    const char* name;
    QString text;
    qint64 expected;
};

void PrintTo(const LeadingNumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class LeadingNumber : public ::testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumber, ReadsAsTheSizeBoxesReadIt)
{
    const LeadingNumberCase& c = GetParam();
    EXPECT_EQ(leadingNumber(c.text), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberReading, LeadingNumber, ::testing::Values(
    LeadingNumberCase{"Plain", QStringLiteral("128"), 128},
    LeadingNumberCase{"SpacesBeforeUnitAfter", QStringLiteral("  64px"), 64},
    LeadingNumberCase{"FractionDropped", QStringLiteral("12.9"), 12},
    LeadingNumberCase{"Negative", QStringLiteral("-8"), -8},
    LeadingNumberCase{"LettersAreZero", QStringLiteral("abc"), 0},
    LeadingNumberCase{"EmptyIsZero", QStringLiteral(""), 0},
    LeadingNumberCase{"TooManyDigits", QStringLiteral("99999999999999999999999"), 999999999999999999LL}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(LanguagePresets, MatchInAnyCaseButWithoutTrimming)
{
    EXPECT_EQ(languageNamed(QStringLiteral("proton basic"))->name, QStringLiteral("Proton Basic"));
    EXPECT_EQ(languageNamed(QStringLiteral("PROTON BASIC"))->commandTexts(),
              QStringList{QStringLiteral("CData")});
    EXPECT_EQ(languageNamed(QStringLiteral("asm"))->commandTexts(),
              (QStringList{QStringLiteral("Dt"), QStringLiteral("Retlw")}));
    EXPECT_EQ(languageNamed(QStringLiteral("Asm ")), nullptr);
    EXPECT_EQ(languageNamed(QStringLiteral("Proton")), nullptr);
    EXPECT_EQ(languageNamed(QString()), nullptr);
}

}  // namespace
}  // namespace pixmint
