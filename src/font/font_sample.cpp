#include "font_sample.h"

#include "font_characters.h"
#include "font_tables.h"

#include <algorithm>

namespace pixmint {
namespace {

// The codes of the text's characters; nothing for a character the tables' codes lack.
QList<std::optional<int>> textCodes(const QString& text, bool windows1254Codes)
{
    QList<std::optional<int>> codes;
    for (const char32_t character : text.toUcs4())
        codes << sampleCode(character, windows1254Codes);
    return codes;
}

void copyInto(PixelGrid& canvas, const PixelGrid& glyph, int x0)
{
    for (int y = 0; y < glyph.height() && y < canvas.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.at(x, y))
                canvas.set(x0 + x, y, 1);
        }
    }
}

PixelGrid cellSample(const FontTables& tables, const QString& text)
{
    QList<qsizetype> drawn;
    qint64 width = 0;
    for (const std::optional<int>& code : textCodes(text, tables.windows1254Codes)) {
        if (!code)
            continue;
        const auto found = std::find_if(tables.glyphs.cbegin(), tables.glyphs.cend(),
                                        [&](const GlyphNumbers& g) { return g.code == *code; });
        if (found == tables.glyphs.cend())
            continue;
        drawn << (found - tables.glyphs.cbegin());
        width += found->width;
    }
    PixelGrid canvas(static_cast<int>(width), tables.cellHeight);
    int x = 0;
    for (const qsizetype index : drawn) {
        copyInto(canvas, drawnRecord(tables, tables.glyphs[index]), x);
        x += tables.glyphs[index].width;
    }
    return canvas;
}

// The bytes print() would be given: the codes that fit in one.
QList<int> printedBytes(const QString& text, bool windows1254Codes)
{
    QList<int> bytes;
    for (const std::optional<int>& code : textCodes(text, windows1254Codes)) {
        if (code && *code <= 0xFF)
            bytes << *code;
    }
    return bytes;
}

// Walks the text as Adafruit GFX's write() does, calling draw(entry, x, y) for every glyph
// with a bitmap at its cursor.
template <typename Draw>
int walkGfx(const GfxFont& gfx, const QList<int>& bytes, int startY, const Draw& draw)
{
    int x = 0;
    int y = startY;
    int right = 0;
    const int lastByte = gfx.last & 0xFF;  // the library reads last as a byte
    for (const int c : bytes) {
        if (c == '\n') {
            x = 0;
            y += gfx.yAdvance;
            continue;
        }
        if (c == '\r' || c < gfx.first || c > lastByte)
            continue;
        const GfxGlyph& entry = gfx.glyphs[c - gfx.first];
        if (entry.width > 0 && entry.height > 0) {
            draw(entry, x, y);
            right = std::max(right, x + entry.xOffset + entry.width);
        }
        x += entry.xAdvance;
        right = std::max(right, x);
    }
    return right;
}

PixelGrid gfxSample(const FontTables& tables, const QString& text)
{
    const GfxFont& gfx = tables.gfx;
    const QList<int> bytes = printedBytes(text, tables.windows1254Codes);
    const int startY = tables.baseline - 1;
    const int width = walkGfx(gfx, bytes, startY, [](const GfxGlyph&, int, int) {});
    PixelGrid canvas(width, std::max(0, gfx.yAdvance));
    walkGfx(gfx, bytes, startY, [&](const GfxGlyph& entry, int x0, int y0) {
        int bit = 0;
        for (int yy = 0; yy < entry.height; ++yy) {
            for (int xx = 0; xx < entry.width; ++xx, ++bit) {
                const std::size_t at = std::size_t(entry.bitmapOffset) + std::size_t(bit / 8);
                if (at >= gfx.bitmap.size() || !(gfx.bitmap[at] & (0x80 >> (bit % 8))))
                    continue;
                const int x = x0 + entry.xOffset + xx;
                const int y = y0 + entry.yOffset + yy;
                if (x >= 0 && x < canvas.width() && y >= 0 && y < canvas.height())
                    canvas.set(x, y, 1);
            }
        }
    });
    return canvas;
}

}  // namespace

PixelGrid sampleDrawing(const FontTables& tables, const QString& text)
{
    return tables.format == FontFormat::Gfx ? gfxSample(tables, text) : cellSample(tables, text);
}

QImage blackOnWhite(const PixelGrid& grid, int scale)
{
    QImage picture(grid.width() * scale, grid.height() * scale, QImage::Format_Mono);
    if (picture.isNull())
        return picture;
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (grid.at(x / scale, y / scale))
                picture.setPixel(x, y, 1);
        }
    }
    return picture;
}

PixelGrid glyphSheet(const FontTables& tables, int columns)
{
    const qsizetype count = tables.format == FontFormat::Gfx ? tables.gfx.entryOfGlyph.size()
                                                             : tables.recordOfGlyph.size();
    QList<PixelGrid> glyphs;
    int widest = 1;
    for (qsizetype i = 0; i < count; ++i) {
        glyphs << drawnGlyph(tables, i);
        widest = std::max(widest, glyphs.back().width());
    }
    columns = std::max(1, columns);
    if (glyphs.isEmpty())
        return PixelGrid();
    const qsizetype rows = (glyphs.size() + columns - 1) / columns;
    const qsizetype across = std::min<qsizetype>(columns, glyphs.size());
    PixelGrid sheet(static_cast<int>(across * (widest + 1) - 1),
                    static_cast<int>(rows * (tables.cellHeight + 1) - 1));
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const int x0 = static_cast<int>(i % columns) * (widest + 1);
        const int y0 = static_cast<int>(i / columns) * (tables.cellHeight + 1);
        for (int y = 0; y < glyphs[i].height(); ++y) {
            for (int x = 0; x < glyphs[i].width(); ++x) {
                if (glyphs[i].at(x, y))
                    sheet.set(x0 + x, y0 + y, 1);
            }
        }
    }
    return sheet;
}

}  // namespace pixmint
