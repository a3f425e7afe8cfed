// The font road's source besides FreeType: a font that an include file holds, as smart
// reading recognises it, made the same glyphs with metrics that a rendered font gives.

#include "font_characters.h"
#include "font_glyphs.h"
#include "font_recognisers.h"
#include "include_reading.h"

#include <QFileInfo>

#include <algorithm>
#include <bitset>
#include <set>

namespace pixmint {
namespace {

using GlyphsOrFailure = Checked<FontGlyphs>;

// The ink of a GFX glyph: width × height bits from its offset, row by row, the leftmost
// pixel in bit 0x80, continuous across rows.
PixelGrid gfxInk(const QByteArray& bitmap, const GfxGlyph& entry)
{
    if (entry.width == 0 || entry.height == 0)
        return PixelGrid();
    PixelGrid ink(entry.width, entry.height);
    qint64 bit = 0;
    for (int y = 0; y < entry.height; ++y) {
        for (int x = 0; x < entry.width; ++x, ++bit) {
            const auto byte = static_cast<unsigned char>(bitmap[entry.bitmapOffset + bit / 8]);
            ink.set(x, y, (byte & (0x80 >> (bit % 8))) ? 1 : 0);
        }
    }
    return ink;
}

// A GFX font's glyphs as the file has them; a code whose entry is empty and does not move
// the pen has no glyph.
void gfxGlyphs(const IncludedFont& font, FontGlyphs& glyphs)
{
    for (qsizetype i = 0; i < font.glyphs.size(); ++i) {
        const GfxGlyph& entry = font.glyphs[i];
        FontGlyph glyph;
        glyph.code = font.first + static_cast<int>(i);
        glyph.character = static_cast<char32_t>(glyph.code);
        glyph.ink = gfxInk(font.bytes, entry);
        glyph.missing = !glyph.hasInk() && entry.xAdvance == 0;
        if (glyph.hasInk()) {
            glyph.left = entry.xOffset;
            glyph.top = 1 - entry.yOffset;
        }
        glyph.advance = entry.xAdvance;
        glyphs.glyphs << glyph;
    }
    glyphs.lineHeight = font.yAdvance;
    glyphs.size = font.yAdvance;
}

qint64 darkPixels(const PixelGrid& grid)
{
    qint64 count = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x)
            count += grid.at(x, y) ? 1 : 0;
    }
    return count;
}

// A cell font's glyphs: every cell a picture whose top row is the cell's, the pen moving on
// by the cell's width; the cell is the font's. The set bits of a glyph's last page below the
// cell are counted in a warning.
void cellGlyphs(const IncludedFont& font, FontGlyphs& glyphs)
{
    qint64 dropped = 0;
    const int width = font.cell.width();
    const int height = font.cell.height();
    const qint64 bytes = cellGlyphBytes(font.cell);
    glyphs.baseline = height;
    glyphs.cellWidth = width;
    glyphs.cellHeight = height;
    glyphs.lineHeight = height;
    glyphs.size = height;
    for (int code = font.first; code <= font.last; ++code) {
        const auto* start = reinterpret_cast<const std::uint8_t*>(font.bytes.constData()) +
                            (code - font.first) * bytes;
        const Bytes packed(start, start + bytes);
        const PixelGrid picture = unpackedGrid(packed, width, ByteLayout::PagesLsbTop, height);
        for (const std::uint8_t byte : packed)
            dropped += static_cast<qint64>(std::bitset<8>(byte).count());
        dropped -= darkPixels(picture);
        FontGlyph glyph;
        glyph.code = code;
        glyph.character = static_cast<char32_t>(code);
        glyph.missing = true;
        glyphs.glyphs << glyph;
        replaceGlyphPixels(glyphs, glyphs.glyphs.size() - 1, picture);
        glyphs.glyphs.back().edited = false;
    }
    if (dropped > 0)
        glyphs.warnings << QStringLiteral("%1 piksel hücrenin dışında kaldı.").arg(dropped);
}

// Keeps the glyphs of the codes a list or a text names.
std::optional<QString> keepChosen(const CharacterChoice& choice, FontGlyphs& glyphs)
{
    if (choice.kind == CharacterChoice::Kind::Charset)
        return std::nullopt;
    const Checked<QList<FontCharacter>> characters = chosenCharacters(choice);
    if (!characters.ok())
        return characters.failure();
    std::set<int> codes;
    for (const FontCharacter& character : characters.value())
        codes.insert(character.code);
    glyphs.glyphs.removeIf([&](const FontGlyph& glyph) { return !codes.count(glyph.code); });
    return std::nullopt;
}

Checked<QString> includeText(const FontSource& source)
{
    if (!source.data.isEmpty())
        return QString::fromLatin1(source.data);
    IncludeText read = readIncludeFile(source.path, kToolLimits);
    if (!read.ok())
        return Checked<QString>::failed(read.failure);
    return std::move(read.text);
}

}  // namespace

Checked<FontGlyphs> includedFontGlyphs(const FontGlyphRequest& request)
{
    const Checked<QString> text = includeText(request.source);
    if (!text.ok())
        return GlyphsOrFailure::failed(text.failure());
    const Checked<IncludedFont> font =
        includedFont(text.value(), request.source.table, request.cell);
    if (!font.ok())
        return GlyphsOrFailure::failed(font.failure());
    FontGlyphs glyphs;
    glyphs.sourceName = QFileInfo(request.source.path).fileName();
    glyphs.family = font->name;
    glyphs.windows1254Codes = givesWindows1254Codes(request.characters);
    glyphs.codePage = true;
    const bool gfx = font->kind == IncludedFont::Kind::Gfx;
    if (gfx)
        gfxGlyphs(font.value(), glyphs);
    else
        cellGlyphs(font.value(), glyphs);
    if (const std::optional<QString> problem = keepChosen(request.characters, glyphs))
        return GlyphsOrFailure::failed(*problem);
    if (std::none_of(glyphs.glyphs.cbegin(), glyphs.glyphs.cend(),
                     [](const FontGlyph& glyph) { return glyph.hasInk(); }))
        return GlyphsOrFailure::failed(
            QStringLiteral("Seçilen karakterlerin hiçbirinde çizilecek piksel yok."));
    if (gfx) {
        if (const std::optional<QString> problem = placeFontGlyphs(glyphs, request))
            return GlyphsOrFailure::failed(*problem);
    }
    return glyphs;
}

}  // namespace pixmint
