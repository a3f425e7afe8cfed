#include "number_format.h"
#include "number_reading.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(NumberReading, WholeNumbersAsTheSettingsCheckReadsThem)
{
    const QList<std::pair<QString, std::optional<int>>> cases = {
        {QStringLiteral("128"), 128},
        {QStringLiteral(" -8 "), -8},
        {QStringLiteral("+16"), 16},
        {QStringLiteral("12.5"), 12},
        {QStringLiteral("13.5"), 14},
        {QStringLiteral("12,51"), 13},
        {QStringLiteral("-4.5"), -4},
        {QStringLiteral(".6"), 1},
        {QStringLiteral("7."), 7},
        {QStringLiteral("2147483647"), 2147483647},
        {QStringLiteral("-2147483648"), -2147483647 - 1},
        {QStringLiteral("2147483648"), std::nullopt},
        {QStringLiteral("99999999999999999999"), std::nullopt},
        {QStringLiteral("abc"), std::nullopt},
        {QStringLiteral("1 2"), std::nullopt},
        {QStringLiteral("-"), std::nullopt},
        {QStringLiteral("."), std::nullopt},
        {QStringLiteral("1e3"), std::nullopt},
        {QStringLiteral(""), std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readWholeNumber(text), expected) << text.toStdString();
}

TEST(NumberReading, LeadingNumbersAsTheSizeBoxesAreRead)
{
    const QList<std::pair<QString, qint64>> cases = {
        {QStringLiteral("128"), 128},
        {QStringLiteral("  64px"), 64},
        {QStringLiteral("12.9"), 12},
        {QStringLiteral("-8"), -8},
        {QStringLiteral("abc"), 0},
        {QStringLiteral(""), 0},
        {QStringLiteral("99999999999999999999999"), 999999999999999999LL},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(leadingNumber(text), expected) << text.toStdString();
}

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
