#include "table_procedures.h"
#include "hex_digits.h"
#include "run_error.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <functional>

namespace pixmint {
namespace {

PixelGrid gridWith(int width, int height, std::initializer_list<std::pair<int, int>> dark)
{
    PixelGrid grid(width, height);
    for (auto [x, y] : dark)
        grid.set(x, y, 1);
    return grid;
}

struct PackingCase {
    const char* name;
    PixelGrid grid;
    QStringList expected;
};

void PrintTo(const PackingCase& c, std::ostream* os)
{
    *os << c.name;
}

QStringList repeated(const QString& entry, int count, QStringList head = {})
{
    while (head.size() < count)
        head << entry;
    return head;
}

PixelGrid fullColumn()
{
    PixelGrid column(1, 8);
    for (int y = 0; y < 8; ++y)
        column.set(0, y, 1);
    return column;
}

class PackedGrid : public ::testing::TestWithParam<PackingCase> {};

TEST_P(PackedGrid, PacksColumnsOfPagesTopRowAsBitZero)
{
    const PackingCase& c = GetParam();
    QStringList table;
    BaytlaraÇevir(c.grid, table);
    EXPECT_EQ(table, c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PagePacking, PackedGrid, ::testing::Values(
    PackingCase{"TopLeftPixel", gridWith(8, 8, {{0, 0}}), repeated(QStringLiteral("00"), 8, {QStringLiteral("01")})},
    PackingCase{"BottomLeftPixel", gridWith(8, 8, {{0, 7}}), repeated(QStringLiteral("00"), 8, {QStringLiteral("80")})},
    PackingCase{"FullColumn", fullColumn(), {QStringLiteral("FF")}},
    PackingCase{"Rows1And3", gridWith(1, 8, {{0, 1}, {0, 3}}), {QStringLiteral("0A")}},
    // W = 2, H = 16: column 0 and 1 of page 0, then of page 1.
    PackingCase{"PageOrder", gridWith(2, 16, {{0, 0}, {1, 1}, {0, 8 + 2}, {1, 8 + 7}}),
        {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("04"), QStringLiteral("80")}},
    // A 12-row grid: the missing rows of the last page are light.
    PackingCase{"PaddedLastPage", gridWith(1, 12, {{0, 0}, {0, 8}, {0, 11}}), {QStringLiteral("01"), QStringLiteral("09")}},
    PackingCase{"Zeros", PixelGrid(3, 8), repeated(QStringLiteral("00"), 3)}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(PagePacking, DisplaySizeGives1024EntriesAndReplacesTheTable)
{
    QStringList table = repeated(QStringLiteral("ZZ"), 5000);
    BaytlaraÇevir(PixelGrid(128, 64), table);
    EXPECT_EQ(table.size(), 1024);
    EXPECT_EQ(table.count(QStringLiteral("00")), 1024);
}

TEST(PagePacking, EmptyGridIsIndexOutOfRangeAndKeepsTheTable)
{
    QStringList table = {QStringLiteral("AB")};
    try {
        BaytlaraÇevir(PixelGrid(), table);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_EQ(table, QStringList{QStringLiteral("AB")});
}

// Digit values: a result, or the number of the error raised.
struct DigitCase {
    const char* name;
    QString text;
    qint64 value;
    int error;
};

void PrintTo(const DigitCase& c, std::ostream* os)
{
    *os << c.name;
}

template <typename F>
void checkDigitCase(const char* routine, F f, const DigitCase& c)
{
    try {
        const qint64 v = static_cast<qint64>(f(c.text));
        EXPECT_EQ(c.error, 0) << routine << "(" << c.text.toStdString() << ") gave " << v;
        EXPECT_EQ(v, c.value) << routine << "(" << c.text.toStdString() << ")";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), c.error) << routine << "(" << c.text.toStdString() << ")";
    }
}

class BinaryDigits : public ::testing::TestWithParam<DigitCase> {};

TEST_P(BinaryDigits, GiveTheirValueOrTheError)
{
    checkDigitCase(
        "BinDeğeri", [](const QString& t) { return BinDeğeri(t); }, GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DigitValues, BinaryDigits, ::testing::Values(
    DigitCase{"Ten", QStringLiteral("1010"), 10, 0},
    DigitCase{"SpacesAround", QStringLiteral(" 11 "), 3, 0},
    DigitCase{"LeadingZeros", QStringLiteral("00000001"), 1, 0},
    DigitCase{"EightOnes", QStringLiteral("11111111"), 255, 0},
    DigitCase{"Empty", QString(), 0, 0},
    DigitCase{"DigitTwoCountsDouble", QStringLiteral("2"), 2, 0},
    DigitCase{"DigitTwoInTheSecondPlace", QStringLiteral("20"), 4, 0},
    DigitCase{"LetterIsTypeMismatch", QStringLiteral("1x"), 0, 13},
    DigitCase{"FortyThousandOnesOverflow", QString(40000, QLatin1Char('1')), 0, 6}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

class HexadecimalDigits : public ::testing::TestWithParam<DigitCase> {};

TEST_P(HexadecimalDigits, GiveTheirValueOrTheError)
{
    checkDigitCase(
        "HexDeğeri", [](const QString& t) { return HexDeğeri(t); }, GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DigitValues, HexadecimalDigits, ::testing::Values(
    DigitCase{"SevenF", QStringLiteral("7F"), 127, 0},
    DigitCase{"FF", QStringLiteral("FF"), 255, 0},
    DigitCase{"Zeros", QStringLiteral("00"), 0, 0},
    DigitCase{"ThreeDigits", QStringLiteral("1A2"), 418, 0},
    DigitCase{"LeadingZero", QStringLiteral("0F"), 15, 0},
    DigitCase{"OneDigit", QStringLiteral("F"), 15, 0},
    DigitCase{"Empty", QString(), 0, 0},
    DigitCase{"TwelveDigits", QStringLiteral("FFFFFFFFFFFF"), 0xFFFFFFFFFFFFLL, 0},
    DigitCase{"Largest", QStringLiteral("346DC5D638865"), 922337203685477LL, 0},
    DigitCase{"LowerCaseIsTypeMismatch", QStringLiteral("ff"), 0, 13},
    DigitCase{"LeadingSpaceIsTypeMismatch", QStringLiteral(" 1"), 0, 13},
    DigitCase{"PrefixIsTypeMismatch", QStringLiteral("0X1"), 0, 13},
    DigitCase{"DollarIsTypeMismatch", QStringLiteral("$1"), 0, 13},
    DigitCase{"SuffixIsTypeMismatch", QStringLiteral("1H"), 0, 13},
    DigitCase{"OneAboveTheLargestOverflows", QStringLiteral("346DC5D638866"), 0, 6},
    DigitCase{"TwentyDigitsOverflow", QStringLiteral("FFFFFFFFFFFFFFFFFFFF"), 0, 6}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// A table entry is a byte when it holds hexadecimal digits up to FF: the drawing reads
// either case, the inverting upper case only.
struct ByteEntryCase {
    const char* name;
    const char* entry;
    std::optional<int> anyCase;
    std::optional<int> upperOnly;
};

void PrintTo(const ByteEntryCase& c, std::ostream* os)
{
    *os << c.name;
}

class HexadecimalByte : public ::testing::TestWithParam<ByteEntryCase> {};

TEST_P(HexadecimalByte, IsReadInEitherCaseOrUpperCaseOnly)
{
    const ByteEntryCase& c = GetParam();
    const QString entry = QString::fromUtf8(c.entry);
    EXPECT_EQ(hexByte(entry, pixmint::DigitCase::Any), c.anyCase);
    EXPECT_EQ(hexByte(entry), c.upperOnly);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DigitValues, HexadecimalByte, ::testing::Values(
    ByteEntryCase{"Zero", "00", 0, 0},
    ByteEntryCase{"SevenF", "7F", 127, 127},
    ByteEntryCase{"LowerCase", "ff", 255, std::nullopt},
    ByteEntryCase{"MixedCase", "Ff", 255, std::nullopt},
    ByteEntryCase{"OneDigit", "3", 3, 3},
    ByteEntryCase{"LeadingZeros", "00FF", 255, 255},
    ByteEntryCase{"ManyLeadingZeros", "000000001", 1, 1},
    ByteEntryCase{"AboveFF", "100", std::nullopt, std::nullopt},
    ByteEntryCase{"ThreeFs", "FFF", std::nullopt, std::nullopt},
    ByteEntryCase{"Empty", "", std::nullopt, std::nullopt},
    ByteEntryCase{"LeadingSpace", " 1", std::nullopt, std::nullopt},
    ByteEntryCase{"TrailingSpace", "1 ", std::nullopt, std::nullopt},
    ByteEntryCase{"NoHexDigit", "G", std::nullopt, std::nullopt},
    ByteEntryCase{"Prefix", "0X1", std::nullopt, std::nullopt},
    ByteEntryCase{"Negative", "-1", std::nullopt, std::nullopt},
    ByteEntryCase{"Separator", "1,", std::nullopt, std::nullopt}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
