#pragma once

#include "pixel_grid.h"

#include <QString>
#include <QStringList>

namespace pixmint {

class EventYield;

// Packs the grid into page bytes: page p covers rows 8p to 8p + 7, entry p × W + x holds
// column x of page p, the page's top row is bit 0, a dark pixel a set bit; each entry is
// two upper-case hexadecimal digits. A height that is not a multiple of 8 leaves the last
// page's missing rows light. The table is replaced whole. Throws RunError 9 for a grid
// without elements, before the table is touched. Yields after every pixel.
void BaytlaraÇevir(const PixelGrid& grid, QStringList& table, EventYield& yield);
void BaytlaraÇevir(const PixelGrid& grid, QStringList& table);

// The value of a text of base-2 digits, first character most significant, blanks at
// either end ignored; a digit 2 to 9 is weighted the same way. Throws RunError 13 for a
// character that is no digit, 6 when the value cannot be held.
double BinDeğeri(const QString& text);

}  // namespace pixmint
