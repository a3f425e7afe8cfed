#include "font_tables.h"

#include "font_characters.h"
#include "font_glyphs.h"

#include <algorithm>

namespace pixmint {
namespace {

using TablesOrFailure = Checked<FontTables>;

constexpr int kMaxGfxBitmap = 65535;
constexpr int kMaxGfxCode = 65535;
constexpr int kMaxGfxByte = 255;
constexpr int kMinGfxOffset = -128;
constexpr int kMaxGfxOffset = 127;
constexpr int kMaxWidthNumber = 255;

QString hexCode(int code)
{
    return QString::number(code, 16).toUpper().rightJustified(4, u'0');
}

QString gfxLimit(const QString& limit)
{
    return QStringLiteral("Adafruit GFX biçiminin sınırı aşıldı: %1.").arg(limit);
}

QString glyphLimit(const FontGlyph& glyph, const QString& what, int most, int value)
{
    return gfxLimit(QStringLiteral("karakter %1, %2 en fazla %3 olabilir (%4)")
                        .arg(glyphComment(glyph.code, glyph.character), what)
                        .arg(most)
                        .arg(value));
}

qint64 inkCount(const PixelGrid& grid)
{
    qint64 count = 0;
    for (int y = 0; y < grid.height(); ++y) {
        const std::uint8_t* row = grid.row(y);
        count += std::count(row, row + grid.width(), std::uint8_t(1));
    }
    return count;
}

// The record of a code without a glyph between two of a code page's: an empty cell, or in
// the widths format the width 0 alone.
GlyphNumbers gapRecord(int code, FontFormat format, int cellWidth, int cellHeight,
                       ByteLayout layout, Polarity polarity)
{
    GlyphNumbers gap{code, 0, true, 0, {}};
    if (format == FontFormat::Widths) {
        gap.numbers = {0};
        return gap;
    }
    gap.width = cellWidth;
    gap.numbers =
        packedBytes(cellsWithPolarity(PixelGrid(cellWidth, cellHeight), polarity), layout);
    return gap;
}

// The GFX entry of a glyph, or the limit it breaks.
std::optional<QString> gfxEntry(const FontGlyph& glyph, int offset, GfxGlyph& entry)
{
    entry = GfxGlyph{offset, 0, 0, glyph.missing ? 0 : glyph.advance, 0, 0};
    if (entry.xAdvance > kMaxGfxByte)
        return glyphLimit(glyph, QStringLiteral("ilerleme"), kMaxGfxByte, entry.xAdvance);
    if (!glyph.hasInk())
        return std::nullopt;
    entry.width = glyph.ink.width();
    entry.height = glyph.ink.height();
    entry.xOffset = glyph.left;
    entry.yOffset = 1 - glyph.top;
    if (entry.width > kMaxGfxByte)
        return glyphLimit(glyph, QStringLiteral("genişlik"), kMaxGfxByte, entry.width);
    if (entry.height > kMaxGfxByte)
        return glyphLimit(glyph, QStringLiteral("yükseklik"), kMaxGfxByte, entry.height);
    for (const int value : {entry.xOffset, entry.yOffset}) {
        if (value < kMinGfxOffset || value > kMaxGfxOffset) {
            return gfxLimit(QStringLiteral("karakter %1, kaydırma %2 ile %3 arasında olmalı (%4)")
                                .arg(glyphComment(glyph.code, glyph.character))
                                .arg(kMinGfxOffset)
                                .arg(kMaxGfxOffset)
                                .arg(value));
        }
    }
    return std::nullopt;
}

// Appends the ink row by row, the leftmost pixel in bit 0x80, padded to a whole byte.
void appendGfxBits(const PixelGrid& ink, Bytes& bitmap)
{
    int bit = 0;
    std::uint8_t byte = 0;
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = 0; x < ink.width(); ++x) {
            if (ink.at(x, y))
                byte |= std::uint8_t(0x80 >> bit);
            if (++bit == 8) {
                bitmap.push_back(byte);
                bit = 0;
                byte = 0;
            }
        }
    }
    if (bit > 0)
        bitmap.push_back(byte);
}

TablesOrFailure packGfx(const FontGlyphs& glyphs, FontTables tables)
{
    GfxFont& gfx = tables.gfx;
    gfx.first = glyphs.glyphs.front().code;
    gfx.last = glyphs.glyphs.back().code;
    gfx.yAdvance = glyphs.lineHeight;
    if (gfx.last > kMaxGfxCode)
        return TablesOrFailure::failed(
            gfxLimit(QStringLiteral("kodlar en fazla 0x%1 olabilir").arg(hexCode(kMaxGfxCode))));
    if (gfx.yAdvance < 0 || gfx.yAdvance > kMaxGfxByte)
        return TablesOrFailure::failed(
            gfxLimit(QStringLiteral("satır yüksekliği en fazla %1 olabilir (%2)")
                         .arg(kMaxGfxByte)
                         .arg(gfx.yAdvance)));
    qsizetype next = 0;
    for (int code = gfx.first; code <= gfx.last; ++code) {
        const int offset = static_cast<int>(gfx.bitmap.size());
        if (next < glyphs.glyphs.size() && glyphs.glyphs[next].code == code) {
            const FontGlyph& glyph = glyphs.glyphs[next];
            GfxGlyph entry;
            if (const std::optional<QString> problem = gfxEntry(glyph, offset, entry))
                return TablesOrFailure::failed(*problem);
            appendGfxBits(glyph.ink, gfx.bitmap);
            if (gfx.bitmap.size() > std::size_t(kMaxGfxBitmap)) {
                return TablesOrFailure::failed(gfxLimit(
                    QStringLiteral("bit eşlem en fazla %1 bayt olabilir").arg(kMaxGfxBitmap)));
            }
            gfx.entryOfGlyph << gfx.glyphs.size();
            gfx.glyphs << entry;
            ++next;
        } else {
            // A code between the chosen ones: no glyph, where the next one starts.
            gfx.glyphs << GfxGlyph{offset, 0, 0, 0, 0, 0};
        }
    }
    if (gfx.last > kMaxGfxByte) {
        tables.warnings << QStringLiteral(
                               "Adafruit GFX'in print() işlevi yalnız 0 ile 255 arasındaki kodları "
                               "yazar; son kod 0x%1.")
                               .arg(hexCode(gfx.last));
    }
    return tables;
}

}  // namespace

Bytes FontTables::numbers() const
{
    if (format == FontFormat::Gfx)
        return gfx.bitmap;
    Bytes all;
    for (const GlyphNumbers& glyph : glyphs)
        all.insert(all.end(), glyph.numbers.begin(), glyph.numbers.end());
    return all;
}

Checked<FontTables> packFontTables(const FontGlyphs& glyphs, FontFormat format, ByteLayout layout,
                                   Polarity polarity)
{
    FontTables tables;
    tables.format = format;
    tables.layout = layout;
    tables.polarity = format == FontFormat::Gfx ? Polarity::Dark : polarity;
    tables.cellWidth = glyphs.cellWidth;
    tables.cellHeight = glyphs.cellHeight;
    tables.baseline = glyphs.baseline;
    tables.windows1254Codes = glyphs.windows1254Codes;
    if (glyphs.glyphs.isEmpty())
        return tables;
    if (format == FontFormat::Gfx)
        return packGfx(glyphs, std::move(tables));
    qint64 dropped = 0;
    for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
        const FontGlyph& glyph = glyphs.glyphs[i];
        if (glyphs.codePage && i > 0) {
            for (int code = glyphs.glyphs[i - 1].code + 1; code < glyph.code; ++code)
                tables.glyphs << gapRecord(code, format, glyphs.cellWidth, glyphs.cellHeight,
                                           layout, polarity);
        }
        const PixelGrid picture = glyphPicture(glyphs, i, format);
        dropped += inkCount(glyph.ink) - inkCount(picture);
        GlyphNumbers numbers{glyph.code, glyph.character, false, picture.width(), {}};
        if (format == FontFormat::Widths) {
            if (picture.width() > kMaxWidthNumber) {
                return TablesOrFailure::failed(
                    QStringLiteral("Orantılı biçimde bir karakterin eni en fazla %1 olabilir: %2 "
                                   "karakterinin eni %3.")
                        .arg(kMaxWidthNumber)
                        .arg(glyphComment(glyph.code, glyph.character))
                        .arg(picture.width()));
            }
            numbers.numbers.push_back(static_cast<std::uint8_t>(picture.width()));
        }
        const Bytes packed = packedBytes(cellsWithPolarity(picture, polarity), layout);
        numbers.numbers.insert(numbers.numbers.end(), packed.begin(), packed.end());
        tables.recordOfGlyph << tables.glyphs.size();
        tables.glyphs << std::move(numbers);
    }
    if (dropped > 0)
        tables.warnings << QStringLiteral("%1 piksel hücrenin dışında kaldı.").arg(dropped);
    return tables;
}

PixelGrid drawnRecord(const FontTables& tables, const GlyphNumbers& record)
{
    Bytes packed = record.numbers;
    int width = tables.cellWidth;
    if (tables.format == FontFormat::Widths) {
        width = packed.front();
        packed.erase(packed.begin());
    }
    if (width == 0)
        return PixelGrid(0, tables.cellHeight);
    return cellsWithPolarity(unpackedGrid(packed, width, tables.layout, tables.cellHeight),
                             tables.polarity);
}

PixelGrid drawnGlyph(const FontTables& tables, qsizetype index)
{
    const int height = tables.cellHeight;
    if (tables.format != FontFormat::Gfx)
        return drawnRecord(tables, tables.glyphs[tables.recordOfGlyph[index]]);
    const GfxGlyph& entry = tables.gfx.glyphs[tables.gfx.entryOfGlyph[index]];
    const int width = std::max({1, entry.xAdvance, entry.xOffset + entry.width});
    PixelGrid picture(width, height);
    const Bytes& bitmap = tables.gfx.bitmap;
    int bit = 0;
    for (int yy = 0; yy < entry.height; ++yy) {
        for (int xx = 0; xx < entry.width; ++xx, ++bit) {
            const std::size_t at = std::size_t(entry.bitmapOffset) + std::size_t(bit / 8);
            if (at >= bitmap.size() || !(bitmap[at] & (0x80 >> (bit % 8))))
                continue;
            const int x = entry.xOffset + xx;
            const int y = tables.baseline + entry.yOffset - 1 + yy;
            if (x >= 0 && x < width && y >= 0 && y < height)
                picture.set(x, y, 1);
        }
    }
    return picture;
}

}  // namespace pixmint
