#pragma once

#include "pixel_grid.h"

#include <QString>
#include <QStringList>

namespace pixmint {

class EventYield;

// The procedures of the original design that belong to this layer, under their own names.
// The program's roads call the routines named beside each (byte_layout.h, hex_digits.h);
// these keep the design's contracts for anyone who reads the design beside the code.

// Packs the grid into page bytes (the page layout of packBytes, ByteLayout::PagesLsbTop):
// page p covers rows 8p to 8p + 7, entry p × W + x holds column x of page p, the page's top
// row is bit 0, a dark pixel a set bit; each entry is two upper-case hexadecimal digits. A
// height that is not a multiple of 8 leaves the last page's missing rows light. The table
// is replaced whole. Throws RunError 9 for a grid without elements, before the table is
// touched. Yields after every pixel.
void BaytlaraÇevir(const PixelGrid& grid, QStringList& table, EventYield& yield);
void BaytlaraÇevir(const PixelGrid& grid, QStringList& table);

// The value of a text of base-2 digits, first character most significant, blanks at
// either end ignored; a digit 2 to 9 is weighted the same way. Throws RunError 13 for a
// character that is no digit, 6 when the value cannot be held.
double BinDeğeri(const QString& text);

// The value of a text of hexadecimal digits (the roads read bytes with hexByte), most significant
// first: "0"–"9" and the upper-case letters "A"–"F" only; the empty text is 0. Throws RunError 13
// for any other character (lower-case letters, blanks, prefixes) and RunError 6 for a value beyond
// 922 337 203 685 477, the largest value the digits may stand for.
qint64 HexDeğeri(const QString& digits);

}  // namespace pixmint
