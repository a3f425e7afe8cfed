#pragma once

#include "byte_layout.h"
#include "checked.h"

#include <QImage>
#include <QString>

#include <optional>

namespace pixmint {

// The limits of a drawn table: the width in columns, the height in rows (8 per page), the
// scale, and the pixels of the finished picture.
constexpr int kMaxDrawingWidth = 16384;
constexpr qint64 kMaxDrawingHeight = qint64{16384} * 8;
constexpr int kMaxDrawingScale = 16;
constexpr qint64 kMaxDrawnPixels = 268'435'456;

// Draws the bytes of a table read in the layout (by default the page layout: entry p × width + x is
// column x of page p, its bit j is row 8p + j); a set bit is a black pixel on white. The
// picture is width columns wide and 8 × ceil(N / width) rows high in a page layout,
// ceil(N / ceil(width / 8)) rows in a row layout; the entries missing at the end count as
// 0. Every pixel becomes a scale × scale square. Refuses an empty table and sizes beyond
// the limits above (with a Turkish message). The picture is Format_Mono, colour 0 white, 1
// black.
Checked<QImage> drawTable(const Bytes& bytes, int width, int scale = 1,
                          ByteLayout layout = ByteLayout::PagesLsbTop);

}  // namespace pixmint
