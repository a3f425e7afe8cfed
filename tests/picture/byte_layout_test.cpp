#include "byte_layout.h"
#include "hex_digits.h"
#include "table_drawing.h"

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
QStringList pbmBytes(const QImage& picture)
{
    const QByteArray file = savedAs(picture, "PBM");
    EXPECT_TRUE(file.startsWith("P4")) << file.left(16).toStdString();
    const QByteArray header = "P4\n" + QByteArray::number(picture.width()) + ' ' +
                              QByteArray::number(picture.height()) + '\n';
    QStringList entries;
    for (const char byte : file.mid(header.size()))
        entries << twoHexDigits(static_cast<uchar>(byte));
    return entries;
}

// The bytes of an XBM file as Qt writes it: the numbers between its braces.
QStringList xbmBytes(const QImage& picture)
{
    const QString file = QString::fromLatin1(savedAs(picture, "XBM"));
    const QString body = file.mid(file.indexOf(u'{'));
    QStringList entries;
    static const QRegularExpression number(QStringLiteral("0x([0-9a-fA-F]{2})"));
    for (const QRegularExpressionMatch& match : number.globalMatch(body))
        entries << match.captured(1).toUpper();
    return entries;
}

// Entry by entry, the bits of each byte in the other order.
QStringList reversedBits(const QStringList& table)
{
    QStringList reversed;
    for (const QString& entry : table) {
        const int value = hexByte(entry).value_or(0);
        int mirrored = 0;
        for (int bit = 0; bit < 8; ++bit)
            mirrored |= ((value >> bit) & 1) << (7 - bit);
        reversed << twoHexDigits(mirrored);
    }
    return reversed;
}

TEST(ByteLayouts, RowLayoutsAreTheBytesOfPbmAndXbmAndPagesReverseTheirBits)
{
    for (const int width : {1, 7, 8, 9, 13}) {
        SCOPED_TRACE(::testing::Message() << "width " << width);
        const PixelGrid grid = asymmetricGrid(width, 11);
        const QImage picture = pictureOf(grid);
        QStringList pagesLsb, pagesMsb, rowsMsb, rowsLsb;
        packBytes(grid, ByteLayout::PagesLsbTop, pagesLsb);
        packBytes(grid, ByteLayout::PagesMsbTop, pagesMsb);
        packBytes(grid, ByteLayout::RowsMsbLeft, rowsMsb);
        packBytes(grid, ByteLayout::RowsLsbLeft, rowsLsb);
        EXPECT_EQ(rowsMsb, pbmBytes(picture));
        EXPECT_EQ(rowsLsb, xbmBytes(picture));
        EXPECT_EQ(rowsLsb, reversedBits(rowsMsb));
        EXPECT_EQ(pagesLsb.size(), width * 2);
        EXPECT_EQ(pagesMsb, reversedBits(pagesLsb));
    }
}

TEST(ByteLayouts, DrawingATableInItsLayoutGivesTheGridBack)
{
    const std::pair<ByteLayout, int> layouts[] = {{ByteLayout::PagesLsbTop, 16},
                                                  {ByteLayout::PagesMsbTop, 16},
                                                  {ByteLayout::RowsMsbLeft, 11},
                                                  {ByteLayout::RowsLsbLeft, 11}};
    for (const int width : {1, 7, 8, 9, 13}) {
        const PixelGrid grid = asymmetricGrid(width, 11);
        for (const auto& [layout, drawnHeight] : layouts) {
            SCOPED_TRACE(::testing::Message()
                         << "width " << width << ", layout " << static_cast<int>(layout));
            QStringList table;
            packBytes(grid, layout, table);
            const TableDrawing drawing = drawTable(table, width, 1, layout);
            EXPECT_EQ(drawing.picture.size(), QSize(width, drawnHeight));
            if (drawing.picture.size() != QSize(width, drawnHeight))
                continue;
            // The rows below the grid (the rest of the last page) come back light.
            PixelGrid back(width, drawnHeight);
            for (int y = 0; y < drawnHeight; ++y)
                for (int x = 0; x < width; ++x)
                    back.set(x, y, qGray(drawing.picture.pixel(x, y)) < 128 ? 1 : 0);
            PixelGrid expected(width, drawnHeight);
            for (int y = 0; y < grid.height(); ++y)
                for (int x = 0; x < width; ++x)
                    expected.set(x, y, grid.at(x, y));
            EXPECT_EQ(back, expected);
        }
    }
}

}  // namespace
}  // namespace pixmint
