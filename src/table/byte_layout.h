#pragma once

#include "pixel_grid.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace pixmint {

class EventYield;

// The bytes of a table as the picture and font roads make them; turned into two-digit texts
// only where the program state keeps its byte table.
using Bytes = std::vector<std::uint8_t>;

// How the pixel grid D (1 = dark) of width W and height H is packed into bytes.
//  - PagesLsbTop: a page is a band of 8 rows; entry p·W + x holds column x of page p, bit j
//    is row 8p + j (the page bytes of KS0108, SSD1306, ST7565).
//  - PagesMsbTop: the same entries with bit 7 − j.
//  - RowsMsbLeft: B = ceil(W / 8) entries a row; entry y·B + k holds the pixels 8k to 8k + 7
//    of row y, pixel 8k + i in bit 7 − i (the bytes of a PBM P4 file, ST7920, Adafruit GFX
//    drawBitmap).
//  - RowsLsbLeft: the same with pixel 8k + i in bit i (the bytes of an XBM file, u8g2
//    drawXBM).
// Bits past the grid (the rows below a last page that is not full, the columns after the
// last pixel of a row) are 0.
enum class ByteLayout { PagesLsbTop, PagesMsbTop, RowsMsbLeft, RowsLsbLeft };

// Where pixel (x, y) of a picture `width` pixels wide lives in a table of the layout: the
// entry's index and the bit within it (0 the lowest). The one bit rule of every layout:
// the packer, the unpacker, the drawings and the editor all ask it.
struct BitPlace {
    qint64 entry = 0;
    int bit = 0;
    bool operator==(const BitPlace&) const = default;
};

inline bool isRowLayout(ByteLayout layout)
{
    return layout == ByteLayout::RowsMsbLeft || layout == ByteLayout::RowsLsbLeft;
}

inline BitPlace bitPlace(ByteLayout layout, int width, int x, int y)
{
    const qint64 perRow = (qint64(width) + 7) / 8;
    switch (layout) {
    case ByteLayout::PagesLsbTop:
        return {qint64(y / 8) * width + x, y % 8};
    case ByteLayout::PagesMsbTop:
        return {qint64(y / 8) * width + x, 7 - y % 8};
    case ByteLayout::RowsMsbLeft:
        return {qint64(y) * perRow + x / 8, 7 - x % 8};
    case ByteLayout::RowsLsbLeft:
        return {qint64(y) * perRow + x / 8, x % 8};
    }
    return {};
}

// The record of a layout: the word of pixmint-cli's --layout, the text of the window's list
// and the sentences that explain it.
struct LayoutRecord {
    ByteLayout layout;
    QString option;  // "pages-lsb-top"
    QString text;    // "Sayfa, bit 0 üstte (KS0108, SSD1306, ST7565)"
};

// The four layouts, in the order the window's list shows them.
const QList<LayoutRecord>& layoutRecords();
const LayoutRecord& layoutRecord(ByteLayout layout);

// A sentence or two telling how the layout orders its bits and bytes, for a picture of the
// given width and height.
QString layoutExplanation(ByteLayout layout, int width, int height);

// How many entries a picture of width × height pixels takes in the layout: W · ceil(H / 8)
// in a page layout, ceil(W / 8) · H in a row layout.
qint64 entryCount(ByteLayout layout, int width, int height);

// Packs the grid into bytes in the layout (see bitPlace); bits past the grid stay 0. Yields
// after every pixel. A grid without elements gives no bytes.
Bytes packedBytes(const PixelGrid& grid, ByteLayout layout, EventYield& yield);
Bytes packedBytes(const PixelGrid& grid, ByteLayout layout);

// The byte table's texts of the bytes: two upper-case hexadecimal digits each.
QStringList twoDigitTexts(const Bytes& bytes);

// Packs the grid into the byte table, each entry two upper-case hexadecimal digits.
// PagesLsbTop is what BaytlaraÇevir packs. The table is replaced whole; a grid without
// elements throws RunError 9 before the table is touched. Yields after every pixel.
void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table, EventYield& yield);
void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table);

// The other way: the height of the picture that count entries make at the given width
// (8 rows for each started page, or one row for each started run of ceil(W / 8) entries),
// and the pixels of row y of that picture (1 = dark) into cells[0 … width − 1]. Entries
// missing at the end count as 0. width must be at least 1.
qint64 unpackedHeight(qint64 count, int width, ByteLayout layout);
void unpackRow(const std::uint8_t* bytes, qint64 count, int width, ByteLayout layout, qint64 y,
               std::uint8_t* cells);
// The picture of `height` rows (the table's whole height when negative) that the bytes
// make at the width.
PixelGrid unpackedGrid(const Bytes& bytes, int width, ByteLayout layout, int height = -1);

}  // namespace pixmint
