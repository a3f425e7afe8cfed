#pragma once

#include "byte_layout.h"
#include "checked.h"
#include "font_request.h"
#include "gfx_glyph.h"
#include "pixel_grid.h"

#include <QList>
#include <QStringList>

namespace pixmint {

struct FontGlyphs;

// The numbers of one glyph in the cells or widths format, or of a code between two glyphs of
// a code page, which has none (an empty cell, or the width 0).
struct GlyphNumbers {
    int code = 0;
    char32_t character = 0;
    bool gap = false;
    int width = 0;  // the width of its picture: cellWidth (cells) or its own width (widths)
    Bytes numbers;  // widths: the width first; then its picture packed in the layout
};

// The three arrays of Adafruit GFX's GFXfont: the bitmaps of every glyph (row by row from
// the top, the leftmost pixel in bit 0x80, continuous across rows, each glyph padded to a
// whole byte), one entry per code from first to last, and the font record.
struct GfxFont {
    Bytes bitmap;
    QList<GfxGlyph> glyphs;
    QList<qsizetype> entryOfGlyph;  // for each glyph of FontGlyphs, its entry in glyphs
    int first = 0;
    int last = 0;
    int yAdvance = 0;
};

// The tables of a font in one format. A cell is cellWidth × cellHeight; the glyphs' rows
// stand as in their cells (baseline B).
struct FontTables {
    FontFormat format = FontFormat::Cells;
    ByteLayout layout = ByteLayout::PagesLsbTop;
    Polarity polarity = Polarity::Dark;  // cells and widths: Lit packs the pictures exchanged
    int cellWidth = 0;
    int cellHeight = 0;
    int baseline = 0;
    bool windows1254Codes = false;
    QList<GlyphNumbers> glyphs;      // cells and widths, in code order
    QList<qsizetype> recordOfGlyph;  // for each glyph of FontGlyphs, its record in glyphs
    GfxFont gfx;                     // gfx
    QStringList warnings;            // pixels outside the cells

    // Every number of the table, in the order the text writes them (gfx: the bitmap).
    Bytes numbers() const;
};

// Packs the glyphs in the format: every glyph's picture (glyphPicture) in the layout, pad
// bits light (cells, widths), or the arrays of a GFXfont (the layout does not apply). Glyphs
// of a code page get a record for every code between theirs (an empty cell; the width 0),
// as a GFXfont has an entry for every code, so that record c − first is the glyph of code c.
// The
// ink that falls outside a cell is counted in a warning ("N piksel hücrenin dışında
// kaldı."). A GFXfont beyond its format's limits (a bitmap over 65,535 bytes, a code over
// 65,535, a width, height, advance or line height over 255, an offset outside −128 to 127)
// fails with a message naming the limit.
// With the polarity Lit every picture of the cells and widths formats (the empty cells too)
// is exchanged dark for light before it is packed; the drawings below exchange it back.
Checked<FontTables> packFontTables(const FontGlyphs& glyphs, FontFormat format, ByteLayout layout,
                                   Polarity polarity = Polarity::Dark);

// The picture of glyph `index` (of FontGlyphs) drawn back from the numbers of the tables
// alone: cellHeight rows standing as in its cell, as wide as its numbers say (cells: the
// cell; widths: its width; gfx: max(xAdvance, xOffset + width), at least 1).
PixelGrid drawnGlyph(const FontTables& tables, qsizetype index);
// The same for a record of cells or widths.
PixelGrid drawnRecord(const FontTables& tables, const GlyphNumbers& record);

}  // namespace pixmint
