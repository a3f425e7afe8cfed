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

QStringList repeated(const QString& entry, int count, QStringList head = {})
{
    while (head.size() < count)
        head << entry;
    return head;
}

TEST(PagePacking, PacksColumnsOfPagesTopRowAsBitZero)
{
    PixelGrid column(1, 8);
    for (int y = 0; y < 8; ++y)
        column.set(0, y, 1);
    const QList<PackingCase> cases = {
        {"top-left pixel", gridWith(8, 8, {{0, 0}}),
         repeated(QStringLiteral("00"), 8, {QStringLiteral("01")})},
        {"bottom-left pixel", gridWith(8, 8, {{0, 7}}),
         repeated(QStringLiteral("00"), 8, {QStringLiteral("80")})},
        {"full column", column, {QStringLiteral("FF")}},
        {"rows 1 and 3", gridWith(1, 8, {{0, 1}, {0, 3}}), {QStringLiteral("0A")}},
        // W = 2, H = 16: column 0 and 1 of page 0, then of page 1.
        {"page order",
         gridWith(2, 16, {{0, 0}, {1, 1}, {0, 8 + 2}, {1, 8 + 7}}),
         {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("04"), QStringLiteral("80")}},
        // A 12-row grid: the missing rows of the last page are light.
        {"padded last page",
         gridWith(1, 12, {{0, 0}, {0, 8}, {0, 11}}),
         {QStringLiteral("01"), QStringLiteral("09")}},
        {"zeros", PixelGrid(3, 8), repeated(QStringLiteral("00"), 3)},
    };
    for (const PackingCase& c : cases) {
        QStringList table;
        BaytlaraÇevir(c.grid, table);
        EXPECT_EQ(table, c.expected) << c.name;
    }
}

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
    QString text;
    qint64 value;
    int error;
};

template <typename F>
void checkDigitCases(const char* routine, F f, const QList<DigitCase>& cases)
{
    for (const DigitCase& c : cases) {
        try {
            const qint64 v = static_cast<qint64>(f(c.text));
            EXPECT_EQ(c.error, 0) << routine << "(" << c.text.toStdString() << ") gave " << v;
            EXPECT_EQ(v, c.value) << routine << "(" << c.text.toStdString() << ")";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), c.error) << routine << "(" << c.text.toStdString() << ")";
        }
    }
}

TEST(DigitValues, BinaryDigits)
{
    checkDigitCases("BinDeğeri", [](const QString& t) { return BinDeğeri(t); },
                    {{QStringLiteral("1010"), 10, 0},
                     {QStringLiteral(" 11 "), 3, 0},
                     {QStringLiteral("00000001"), 1, 0},
                     {QStringLiteral("11111111"), 255, 0},
                     {QString(), 0, 0},
                     {QStringLiteral("2"), 2, 0},
                     {QStringLiteral("20"), 4, 0},
                     {QStringLiteral("1x"), 0, 13},
                     {QString(40000, QLatin1Char('1')), 0, 6}});
}

TEST(DigitValues, HexadecimalDigits)
{
    checkDigitCases("HexDeğeri", [](const QString& t) { return HexDeğeri(t); },
                    {{QStringLiteral("7F"), 127, 0},
                     {QStringLiteral("FF"), 255, 0},
                     {QStringLiteral("00"), 0, 0},
                     {QStringLiteral("1A2"), 418, 0},
                     {QStringLiteral("0F"), 15, 0},
                     {QStringLiteral("F"), 15, 0},
                     {QString(), 0, 0},
                     {QStringLiteral("FFFFFFFFFFFF"), 0xFFFFFFFFFFFFLL, 0},
                     {QStringLiteral("346DC5D638865"), 922337203685477LL, 0},
                     {QStringLiteral("ff"), 0, 13},
                     {QStringLiteral(" 1"), 0, 13},
                     {QStringLiteral("0X1"), 0, 13},
                     {QStringLiteral("$1"), 0, 13},
                     {QStringLiteral("1H"), 0, 13},
                     {QStringLiteral("346DC5D638866"), 0, 6},
                     {QStringLiteral("FFFFFFFFFFFFFFFFFFFF"), 0, 6}});
}

// A table entry is a byte when it holds hexadecimal digits up to FF: the drawing reads
// either case, the inverting upper case only.
TEST(DigitValues, HexadecimalBytes)
{
    const struct {
        const char* entry;
        std::optional<int> anyCase;
        std::optional<int> upperOnly;
    } cases[] = {
        {"00", 0, 0},
        {"7F", 127, 127},
        {"ff", 255, std::nullopt},
        {"Ff", 255, std::nullopt},
        {"3", 3, 3},
        {"00FF", 255, 255},
        {"000000001", 1, 1},
        {"100", std::nullopt, std::nullopt},
        {"FFF", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {" 1", std::nullopt, std::nullopt},
        {"1 ", std::nullopt, std::nullopt},
        {"G", std::nullopt, std::nullopt},
        {"0X1", std::nullopt, std::nullopt},
        {"-1", std::nullopt, std::nullopt},
        {"1,", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const QString entry = QString::fromUtf8(c.entry);
        EXPECT_EQ(hexByte(entry, pixmint::DigitCase::Any), c.anyCase) << c.entry;
        EXPECT_EQ(hexByte(entry), c.upperOnly) << c.entry;
    }
}

}  // namespace
}  // namespace pixmint
