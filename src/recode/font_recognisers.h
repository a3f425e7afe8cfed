#pragma once

#include "checked.h"
#include "gfx_glyph.h"
#include "smart_reading.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>

namespace pixmint {

// The recognisers of fonts among the tables of a text, the last step of findTables:
//  - an Adafruit GFX font: a GFXfont record { bitmaps, glyphs, first, last, yAdvance } whose
//    bitmap array is a byte table of the text and whose glyph array holds six numbers for
//    every code from first to last; the record becomes a table of the dialect gfx, counting
//    its glyphs;
//  - a cell font: a byte table whose glyph size the text states, in its name ("font5x7"), in
//    a comment on the lines before it ("5x7"), or, in a table named a font, in leading size
//    numbers (width, height; or width, height, first code, count), when that size divides
//    the rest of the table in whole glyphs (at least two) packed as the classic column font
//    (pages-lsb-top, width × ⌈height / 8⌉ bytes a glyph); sides from 3 to 32.
void recogniseFonts(QStringView text, QList<FoundTable>& tables);

// The GFXfont record of the GFX font that table `index` belongs to (the record itself, its
// bitmap or its glyph array); -1 when it belongs to none.
qsizetype gfxFontTable(const QList<FoundTable>& tables, qsizetype index);

// The bytes one glyph of a cell font takes: width × ⌈height / 8⌉.
qint64 cellGlyphBytes(QSize cell);

// A font brought back from an include file.
struct IncludedFont {
    enum class Kind { Gfx, Cells };
    Kind kind = Kind::Cells;
    QString name;            // the GFXfont record's or the cell table's name; "-" for none
    QByteArray bytes;        // gfx: the bitmap array; cells: the glyphs, each cellGlyphBytes long
    QList<GfxGlyph> glyphs;  // gfx: one entry per code from first to last
    int first = 0;           // the first glyph's code
    int last = 0;            // gfx: the last code
    int yAdvance = 0;        // gfx: the line height
    QSize cell;              // cells: every glyph's size
};

// The font of an include file's text that the choice names (a table's index as pixmint-cli
// tables lists it, or its name: a GFXfont record, one of its arrays, or a byte table read as
// a cell font). Without a choice: the first GFX font; else, with a cell given, the largest
// byte table; else the first cell font. A given cell is every glyph's size of a cell font,
// in place of the one the text states. Fails with a message when there is no such font, the
// cell is unknown or does not divide the table, or a glyph lies beyond the bitmap.
Checked<IncludedFont> includedFont(QStringView text, const QString& choice,
                                   std::optional<QSize> cell);

}  // namespace pixmint
