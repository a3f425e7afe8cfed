#include "table_drawing.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(TableDrawing, ScaleDrawsEveryPixelAsASquare)
{
    // Wider than one byte of the mono picture, so that the squares cross byte borders.
    Bytes table;
    for (int x = 0; x < 7; ++x)
        table.push_back(x % 2 ? 0xAA : 0x55);
    const TableDrawing plain = drawTable(table, 7, 1);
    const TableDrawing scaled = drawTable(table, 7, 3);
    ASSERT_FALSE(scaled.picture.isNull());
    ASSERT_EQ(scaled.picture.size(), QSize(21, 24));
    EXPECT_EQ(scaled.picture.convertToFormat(QImage::Format_RGB32),
              plain.picture.scaled(21, 24).convertToFormat(QImage::Format_RGB32));
}

TEST(TableDrawing, RefusesWhatItCannotDraw)
{
    const struct {
        Bytes table;
        int width;
        int scale;
        const char* problemPart;
        ByteLayout layout = ByteLayout::PagesLsbTop;
    } cases[] = {
        {{}, 8, 1, "Tabloda çizilecek sayı yok."},
        {{0}, 0, 1, "Çizim eni 1 ile 16384"},
        {{0}, 16385, 1, "Çizim eni 1 ile 16384"},
        {{0}, 8, 0, "Ölçek 1 ile 16"},
        {{0}, 8, 17, "Ölçek 1 ile 16"},
        {Bytes(16385, 0), 1, 1,
         "en fazla 131072 piksel yüksek olabilir; bu tablo 1 sayı eninde 131080"},
        {Bytes(16384 * 9, 0), 16384, 16, "en fazla 268435456 piksel"},
        // A row layout takes one row for every ceil(width / 8) entries.
        {Bytes(131073, 0), 8, 1, "bu tablo 8 piksel eninde 131073",
         ByteLayout::RowsMsbLeft},
    };
    for (const auto& c : cases) {
        const TableDrawing drawing = drawTable(c.table, c.width, c.scale, c.layout);
        EXPECT_TRUE(drawing.picture.isNull()) << c.problemPart;
        EXPECT_TRUE(drawing.problem.contains(QString::fromUtf8(c.problemPart)))
            << drawing.problem.toStdString();
    }
    // The largest table of one column still draws.
    EXPECT_FALSE(drawTable(Bytes(16384, 1), 1).picture.isNull());
}

}  // namespace
}  // namespace pixmint
