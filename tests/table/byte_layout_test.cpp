#include "byte_layout.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

// A grid whose every row and column differs from its mirror image and its neighbours, so
// that a mirrored, shifted, bit-swapped or transposed packing cannot pass for the right one.
PixelGrid asymmetricGrid(int width, int height)
{
    PixelGrid grid(width, height);
    quint32 seed = 7u * static_cast<quint32>(width);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            grid.set(x, y, (seed >> 28) % 3 == 0 || (x == 0 && y == 0) ? 1 : 0);
        }
    }
    return grid;
}

QImage pictureOf(const PixelGrid& grid)
{
    QImage picture(grid.width(), grid.height(), QImage::Format_RGB32);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            picture.setPixel(x, y, grid.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return picture;
}

QByteArray savedAs(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format)) << format;
    return bytes;
}

// The raster bytes of a binary PBM file as Qt writes it: what follows "P4\nW H\n".
Bytes pbmBytes(const QImage& picture)
{
    const QByteArray file = savedAs(picture, "PBM");
    EXPECT_TRUE(file.startsWith("P4")) << file.left(16).toStdString();
    const QByteArray header = "P4\n" + QByteArray::number(picture.width()) + ' ' +
                              QByteArray::number(picture.height()) + '\n';
    const QByteArray raster = file.mid(header.size());
    return Bytes(raster.begin(), raster.end());
}

// The bytes of an XBM file as Qt writes it: the numbers between its braces.
Bytes xbmBytes(const QImage& picture)
{
    const QString file = QString::fromLatin1(savedAs(picture, "XBM"));
    const QString body = file.mid(file.indexOf(u'{'));
    Bytes entries;
    static const QRegularExpression number(QStringLiteral("0x([0-9a-fA-F]{2})"));
    for (const QRegularExpressionMatch& match : number.globalMatch(body))
        entries.push_back(static_cast<std::uint8_t>(match.captured(1).toInt(nullptr, 16)));
    return entries;
}

// Byte by byte, the bits in the other order.
Bytes reversedBits(const Bytes& bytes)
{
    Bytes reversed;
    for (const std::uint8_t value : bytes) {
        int mirrored = 0;
        for (int bit = 0; bit < 8; ++bit)
            mirrored |= ((value >> bit) & 1) << (7 - bit);
        reversed.push_back(static_cast<std::uint8_t>(mirrored));
    }
    return reversed;
}

// What each layout's bytes must be, found without the bit rule: the raster of a PBM P4 file
// (rows, bit 7 left) and an XBM file (rows, bit 0 left) as Qt writes them, and the page
// bytes with their bits reversed.
Bytes referenceBytes(ByteLayout layout, const PixelGrid& grid)
{
    switch (layout) {
    case ByteLayout::PagesLsbTop: {
        Bytes pages;
        for (int top = 0; top < grid.height(); top += 8) {
            for (int x = 0; x < grid.width(); ++x) {
                int value = 0;
                for (int j = 0; j < 8 && top + j < grid.height(); ++j)
                    value |= grid.at(x, top + j) << j;
                pages.push_back(static_cast<std::uint8_t>(value));
            }
        }
        return pages;
    }
    case ByteLayout::PagesMsbTop:
        return reversedBits(referenceBytes(ByteLayout::PagesLsbTop, grid));
    case ByteLayout::RowsMsbLeft:
        return pbmBytes(pictureOf(grid));
    case ByteLayout::RowsLsbLeft:
        return xbmBytes(pictureOf(grid));
    }
    return {};
}

struct LayoutCase {
    const char* name;
    ByteLayout layout;
    int width;
    int height;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class EveryLayout : public ::testing::TestWithParam<LayoutCase> {};

// The packer, the unpacker and the bit rule that the drawings and the editor ask agree with
// each other and with files that other programs write.
TEST_P(EveryLayout, PackerBitRuleAndUnpackerAgree)
{
    const LayoutCase& c = GetParam();
    const PixelGrid grid = asymmetricGrid(c.width, c.height);
    const Bytes packed = packedBytes(grid, c.layout);
    EXPECT_EQ(packed, referenceBytes(c.layout, grid));
    EXPECT_EQ(static_cast<qint64>(packed.size()), entryCount(c.layout, c.width, c.height));
    EXPECT_EQ(unpackedGrid(packed, c.width, c.layout, c.height), grid);
    // Below the picture the last page's rows come back light.
    const PixelGrid whole = unpackedGrid(packed, c.width, c.layout);
    for (int y = c.height; y < whole.height(); ++y)
        for (int x = 0; x < c.width; ++x)
            EXPECT_EQ(whole.at(x, y), 0) << x << "," << y;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            PixelGrid one(c.width, c.height);
            one.set(x, y, 1);
            const Bytes bytes = packedBytes(one, c.layout);
            const BitPlace place = bitPlace(c.layout, c.width, x, y);
            ASSERT_LT(place.entry, static_cast<qint64>(bytes.size())) << x << "," << y;
            EXPECT_EQ(bytes[static_cast<std::size_t>(place.entry)], 1 << place.bit)
                << x << "," << y;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ByteLayouts, EveryLayout, ::testing::Values(
    LayoutCase{"PagesLsbTop1x11", ByteLayout::PagesLsbTop, 1, 11},
    LayoutCase{"PagesLsbTop13x16", ByteLayout::PagesLsbTop, 13, 16},
    LayoutCase{"PagesMsbTop9x11", ByteLayout::PagesMsbTop, 9, 11},
    LayoutCase{"PagesMsbTop8x3", ByteLayout::PagesMsbTop, 8, 3},
    LayoutCase{"RowsMsbLeft7x11", ByteLayout::RowsMsbLeft, 7, 11},
    LayoutCase{"RowsMsbLeft13x5", ByteLayout::RowsMsbLeft, 13, 5},
    LayoutCase{"RowsLsbLeft8x11", ByteLayout::RowsLsbLeft, 8, 11},
    LayoutCase{"RowsLsbLeft9x4", ByteLayout::RowsLsbLeft, 9, 4}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(ByteLayouts, RecordsNameEveryLayoutOnce)
{
    QStringList options;
    for (const LayoutRecord& record : layoutRecords()) {
        EXPECT_EQ(&layoutRecord(record.layout), &record);
        options << record.option;
    }
    EXPECT_EQ(options,
              (QStringList{QStringLiteral("pages-lsb-top"), QStringLiteral("pages-msb-top"),
                           QStringLiteral("rows-msb-left"), QStringLiteral("rows-lsb-left")}));
}

}  // namespace
}  // namespace pixmint
