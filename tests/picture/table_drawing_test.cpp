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
    const Checked<QImage> plain = drawTable(table, 7, 1);
    const Checked<QImage> scaled = drawTable(table, 7, 3);
    ASSERT_TRUE(plain.ok() && scaled.ok());
    ASSERT_EQ(scaled->size(), QSize(21, 24));
    EXPECT_EQ(scaled->convertToFormat(QImage::Format_RGB32),
              plain->scaled(21, 24).convertToFormat(QImage::Format_RGB32));
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
        {Bytes(131073, 0), 8, 1, "bu tablo 8 piksel eninde 131073", ByteLayout::RowsMsbLeft},
    };
    for (const auto& c : cases) {
        const Checked<QImage> drawing = drawTable(c.table, c.width, c.scale, c.layout);
        EXPECT_FALSE(drawing.ok()) << c.problemPart;
        EXPECT_TRUE(drawing.failure().contains(QString::fromUtf8(c.problemPart)))
            << drawing.failure().toStdString();
    }
    // The largest table of one column still draws.
    EXPECT_TRUE(drawTable(Bytes(16384, 1), 1).ok());
}

}  // namespace
}  // namespace pixmint
