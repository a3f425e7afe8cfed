#pragma once

#include "checked.h"
#include "font_request.h"
#include "pixel_grid.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pixmint {

// One glyph of the chosen characters: its ink and metrics as FreeType gave them.
struct FontGlyph {
    int code = 0;            // the code it carries in the tables
    char32_t character = 0;  // the Unicode character it was drawn from
    bool missing = false;    // the font has no glyph for it: an empty glyph of no width
    bool edited = false;     // its pixels were replaced (replaceGlyphPixels)
    PixelGrid ink;           // 1 = dark, tight around the ink; no elements when it has none
    int left = 0;            // the ink's left column from the pen (bitmap_left)
    int top = 0;             // the ink's rows above the baseline (bitmap_top)
    int advance = 0;         // pixels the pen moves on; 0 for a missing glyph

    bool hasInk() const { return !ink.isEmpty(); }
    // Its width in the widths format: max(advance, left + ink width); 0 for a missing glyph.
    int ownWidth() const;
};

// The glyphs of a font at one size, placed: row r of every cell is the row B − r above the
// baseline, for the baseline B; a cell is cellWidth × cellHeight pixels.
struct FontGlyphs {
    QString sourceName;  // the file as named, or the family and style
    QString family;
    QString style;
    int size = 0;        // pixels per em, or the strike's height
    int lineHeight = 0;  // the size's line height in pixels
    bool windows1254Codes = false;
    // The glyphs are a code page's (a character set was chosen): its tables hold a record for
    // every code from the first glyph's to the last one's, so that a string in that code page
    // indexes them directly.
    bool codePage = false;
    int baseline = 0;         // B: the highest bitmap_top of a glyph with ink
    int cellHeight = 0;       // H
    int cellWidth = 0;        // W of the cells format
    QList<FontGlyph> glyphs;  // in code order
    QStringList warnings;     // shown, and the work goes on

    // The first comment line of the text: "DejaVuSansMono.ttf, 16 piksel".
    QString description() const;
    // The table's name when none is given: the family and the style (left out when it is
    // the regular one) without blanks, and the size, made an identifier: "DejaVuSansMono_8".
    QString defaultName() const;
    qsizetype indexOfCode(int code) const;  // -1 when no glyph carries it
};

// Renders the chosen characters and places them. The checks come in this order: the sizes
// asked for must lie within their limits ("Boyut …", "Satır yüksekliği …", "Hücre …",
// "Yumuşatma eşiği …"), the characters must be a list that reads, the font must open, the
// size must be one it has (or, with fitHeight, some size must fit), and at least one chosen
// character must have ink. Then the cell is W × H: with a cell given, its sides; else H is
// fitHeight, or tight around the ink of every glyph (the highest bitmap_top minus the lowest
// bitmap_top − rows), and W is the largest advance (at least 1); both at most kMaxCellSide,
// and all glyph pictures together at most kMaxFontPixels.
// Warnings name the characters the font lacks (they get an empty glyph) and a code page the
// program does not know.
Checked<FontGlyphs> renderFontGlyphs(const FontGlyphRequest& request);

// Places glyphs made already: the baseline B is the highest top of a glyph with ink, and the
// cell as renderFontGlyphs makes it (the request's cell or fitHeight, else tight around the
// ink and as wide as the largest advance). The message when the cell is beyond the limits.
std::optional<QString> placeFontGlyphs(FontGlyphs& glyphs, const FontGlyphRequest& request);

// The glyphs of a font that an include file holds (the request's source is an include
// file): an Adafruit GFX font with its metrics, or a cell font, every glyph its cell (read as
// the classic column font, pages-lsb-top), carrying the codes of the table; a list or a text
// of characters keeps only those codes. The request's cell is a cell font's glyph size.
// Fails as includedFont does, for a file that cannot be read, and when no glyph has ink.
Checked<FontGlyphs> includedFontGlyphs(const FontGlyphRequest& request);

// The picture a person sees and edits of glyph `index`: cellHeight rows, row r being the row
// B − r above the baseline, column c the column c from the pen; as wide as the format's
// picture of it (cells: cellWidth; widths: its own width; gfx: max(advance, its ink's right
// edge), at least 1). Ink that falls outside is left out.
PixelGrid glyphPicture(const FontGlyphs& glyphs, qsizetype index, FontFormat format);

// Replaces the pixels of glyph `index` with a picture laid out as glyphPicture's (any
// width, cellHeight rows; rows beyond are ignored). The glyph keeps its advance (a missing
// glyph takes the picture's width as its advance) and is marked edited; the baseline and
// the cell stay as they are.
void replaceGlyphPixels(FontGlyphs& glyphs, qsizetype index, const PixelGrid& picture);

// The pixel heights of the strikes of a bitmap font, in the font's order; empty for a
// scalable font and for a source that does not open.
QList<int> bitmapSizes(const FontSource& source);

// The message of a size outside its limits.
QString sizeLimitMessage();

}  // namespace pixmint
