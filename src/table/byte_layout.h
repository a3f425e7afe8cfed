#pragma once

#include "pixel_grid.h"

#include <QStringList>

#include <cstdint>

namespace pixmint {

class EventYield;

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

inline bool isRowLayout(ByteLayout layout)
{
    return layout == ByteLayout::RowsMsbLeft || layout == ByteLayout::RowsLsbLeft;
}

// Packs the grid into bytes in the layout, each entry two upper-case hexadecimal digits.
// PagesLsbTop is what BaytlaraÇevir packs. The table is replaced whole; a grid without elements
// throws RunError 9 before the table is touched. Yields after every pixel.
void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table, EventYield& yield);
void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table);

// The other way: the height of the picture that count entries make at the given width
// (8 rows for each started page, or one row for each started run of ceil(W / 8) entries),
// and the pixels of row y of that picture (1 = dark) into cells[0 … width − 1]. Entries
// missing at the end count as 0. width must be at least 1.
qint64 unpackedHeight(qint64 count, int width, ByteLayout layout);
void unpackRow(const std::uint8_t* bytes, qint64 count, int width, ByteLayout layout, qint64 y,
               std::uint8_t* cells);

}  // namespace pixmint
