#pragma once

#include "byte_layout.h"
#include "display_presets.h"
#include "number_format.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixmint {

// The limits of what the font road takes: a larger file, size or character set is refused
// with a message before any work is done.
constexpr qint64 kMaxFontFileBytes = 64LL * 1024 * 1024;
constexpr int kMaxFontSize = 255;  // pixels per em, and rows of --fit-height
constexpr int kMaxFontCharacters = 65536;
constexpr int kMaxThreshold = 254;
// A cell side, and the pixels of every glyph picture together: beyond them a font's tables
// would be too large to be of use on a display, and memory would grow without bound.
constexpr int kMaxCellSide = 1024;
constexpr qint64 kMaxFontPixels = 67'108'864;

// Where the glyphs come from: a font file, an installed family found by fontconfig, or an
// include file that holds a font written for a display (an Adafruit GFX font, a cell font).
struct FontSource {
    QString path;     // a font file; when empty, the family below
    QByteArray data;  // the file's bytes when they are at hand already (path names them)
    QString family;   // an installed family, as fontconfig knows it
    QString style;    // empty: the family's regular style
    int face = 0;     // the face of a collection (.ttc), from 0
    // path (or data) is an include file, whose font smart reading finds; table names which
    // one (a table's index or name as pixmint-cli tables lists them; empty: the first).
    bool includeFile = false;
    QString table;

    bool operator==(const FontSource&) const = default;
};

// The code pages offered as character sets.
enum class Charset {
    Ascii,        // 32 to 126
    Latin1,       // 32 to 126 and 160 to 255
    Windows1254,  // 32 to 126 and every byte from 128 that Windows-1254 defines
};

// Which characters become glyphs: a character set, a list of codes and ranges
// ("32-126,0x11E,U+015F"), or the distinct characters of a text.
struct CharacterChoice {
    enum class Kind { Charset, List, Text };
    Kind kind = Kind::Charset;
    Charset charset = Charset::Ascii;
    QString text;  // the list or the text

    bool operator==(const CharacterChoice&) const = default;
};

// What decides the glyphs: the source, the size, the characters and the rendering. The
// values are checked by the road (renderFontGlyphs), never by the window or the tool.
struct FontGlyphRequest {
    FontSource source;
    // Pixels per em, 1 to 255; a bitmap font takes only its strikes' heights. Empty: 8, and
    // for a bitmap font its first strike.
    std::optional<int> size;
    // Instead of the size: the largest size at which the ink of every chosen character fits
    // in this many rows (1 to 255); the cell is then this high.
    std::optional<int> fitHeight;
    std::optional<QSize> cell;  // a fixed cell, each side 1 to kMaxCellSide
    CharacterChoice characters;
    // Empty: one-bit rendering. Otherwise 8-bit coverage, a pixel dark above it (0 to 254).
    std::optional<int> threshold;

    bool operator==(const FontGlyphRequest&) const = default;
};

// How the glyphs are written.
enum class FontFormat {
    Cells,   // every glyph a cell of the same width
    Widths,  // every glyph its width, then a picture of that width
    Gfx,     // the GFXfont of Adafruit GFX
};

// The words of the tool's options and the texts of the window's lists.
struct FontFormatRecord {
    FontFormat format;
    QString option;  // "cells"
    QString text;    // "Sabit genişlik"
};
struct CharsetRecord {
    Charset charset;
    QString option;  // "cp1254"
    QString text;    // "Türkçe (Windows-1254)"
};
const QList<FontFormatRecord>& fontFormatRecords();
const QList<CharsetRecord>& charsetRecords();

// The extensions of the include files whose fonts the road brings back (".h", ".inc", …,
// as "*.H"), and whether a path's file is one of them (in any letter case).
const QStringList& includeFontPatterns();
bool isIncludeFontFile(const QString& path);

// What "Dönüştür" of the font window and pixmint-cli font ask of a font.
struct FontRoadRequest {
    FontGlyphRequest glyphs;
    FontFormat format = FontFormat::Cells;
    ByteLayout layout = ByteLayout::PagesLsbTop;  // cells and widths; a GFX font has its own
    // Cells and widths: Lit exchanges every glyph's picture dark for light before packing.
    // A GFX font's set bits are what the library draws: it stays as it is.
    Polarity polarity = Polarity::Dark;
    NumberFormat textFormat = presetFormat(QStringLiteral("Asm"));
    QString name;  // the table's name, an identifier; empty: made from the font (defaultName)
};

}  // namespace pixmint
