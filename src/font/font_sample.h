#pragma once

#include "pixel_grid.h"

#include <QImage>
#include <QString>

namespace pixmint {

struct FontTables;

// A sample text as the display shows it, drawn from the numbers of the tables alone (never
// from the font), 1 = dark. Each character of the text is looked up by its code (its
// Windows-1254 byte when the tables have those codes, else its code point):
//  - cells and widths: the records side by side, each cellWidth or its own width wide,
//    cellHeight high (a code page's gap is an empty cell, as the display shows it); a
//    character without a record is left out;
//  - gfx: as Adafruit GFX's print() draws the text with setFont on a canvas yAdvance high,
//    the cursor starting at (0, B − 1): a byte from first to last (read as a byte, as the
//    library reads it) draws its glyph and moves the cursor on by its advance, a line feed
//    starts a new line below, any other character (a carriage return, a code beyond 255 or
//    outside the font) draws nothing. The canvas is as wide as the ink and the advances
//    reach.
PixelGrid sampleDrawing(const FontTables& tables, const QString& text);

// Every glyph of the tables drawn back from their numbers alone (drawnGlyph), in code order,
// `columns` to a row, each in a box as wide as the widest glyph and cellHeight high, with a
// light pixel between boxes: the glyph sheet of a font.
PixelGrid glyphSheet(const FontTables& tables, int columns = 16);

// A grid as a one-bit picture, black on white, every pixel a scale × scale square.
QImage blackOnWhite(const PixelGrid& grid, int scale = 1);

}  // namespace pixmint
