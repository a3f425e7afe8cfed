#include "font_text.h"

#include "event_yield.h"
#include "font_characters.h"
#include "font_glyphs.h"
#include "font_tables.h"
#include "hex_digits.h"
#include "language.h"

namespace pixmint {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString gfxLanguagesMessage()
{
    QStringList names;
    for (const Language& language : languages()) {
        if (language.writesGfxFont())
            names << language.name;
    }
    const QString last = names.takeLast();
    const QString listed =
        names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" ve ") + last;
    return QStringLiteral("Adafruit GFX biçimi yalnız %1 dillerinde yazılır.").arg(listed);
}

QString glyphLinesText(const FontTables& tables, const TextFormat& format)
{
    QString text;
    for (const GlyphNumbers& glyph : tables.glyphs) {
        const QString comment =
            glyph.gap ? glyphComment(glyph.code, U' ') : glyphComment(glyph.code, glyph.character);
        text += commentedDataLine(format, glyph.numbers, comment);
    }
    return text;
}

QString gfxArrayHead(const QString& type, const QString& name, const Language& language)
{
    return QStringLiteral("const %1 %2[]%3 = {").arg(type, name, language.programMemory) + kLineEnd;
}

QString gfxText(const FontTables& tables, const FontGlyphs& glyphs, const TextFormat& format,
                const QString& name)
{
    const Language& language = *format.language;
    const GfxFont& gfx = tables.gfx;
    QString text =
        language.commentMarker + glyphs.description() + kLineEnd + language.gfxHead + kLineEnd;

    text += gfxArrayHead(QStringLiteral("uint8_t"), name + QStringLiteral("Bitmaps"), language);
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(gfx.bitmap.size()));
    for (const std::uint8_t byte : gfx.bitmap)
        entries << twoHexDigits(byte);
    EventYield none;
    text += SatırlarıOluştur(entries, QString(), format.prefix, format.suffix, format.separator,
                             format.numbersPerLine, true, none)
                .text;
    text += QStringLiteral("};") + kLineEnd + kLineEnd;

    text += gfxArrayHead(QStringLiteral("GFXglyph"), name + QStringLiteral("Glyphs"), language);
    QList<qsizetype> glyphOfEntry(gfx.glyphs.size(), -1);
    for (qsizetype i = 0; i < gfx.entryOfGlyph.size(); ++i)
        glyphOfEntry[gfx.entryOfGlyph[i]] = i;
    for (qsizetype e = 0; e < gfx.glyphs.size(); ++e) {
        const GfxGlyph& g = gfx.glyphs[e];
        text += QStringLiteral("\t{%1, %2, %3, %4, %5, %6},")
                    .arg(g.bitmapOffset)
                    .arg(g.width)
                    .arg(g.height)
                    .arg(g.xAdvance)
                    .arg(g.xOffset)
                    .arg(g.yOffset);
        if (glyphOfEntry[e] >= 0) {
            const FontGlyph& glyph = glyphs.glyphs[glyphOfEntry[e]];
            text += QLatin1Char(' ') + language.commentMarker + QLatin1Char(' ') +
                    glyphComment(glyph.code, glyph.character);
        }
        text += kLineEnd;
    }
    text += QStringLiteral("};") + kLineEnd + kLineEnd;

    const QString hexFirst = QString::number(gfx.first, 16).toUpper().rightJustified(2, u'0');
    const QString hexLast = QString::number(gfx.last, 16).toUpper().rightJustified(2, u'0');
    text += QStringLiteral(
                "const GFXfont %1%2 = {(uint8_t*)%1Bitmaps, (GFXglyph*)%1Glyphs, "
                "0x%3, 0x%4, %5};")
                .arg(name, language.programMemory, hexFirst, hexLast)
                .arg(gfx.yAdvance) +
            kLineEnd;
    return text;
}

}  // namespace

CodeTextOutcome fontCodeText(const FontTables& tables, const FontGlyphs& glyphs,
                             const NumberFormat& format, const QString& name)
{
    CodeTextOutcome outcome;
    const Checked<TextFormat> read = readTextFormat(format);
    if (!read.ok()) {
        outcome.failure = read.failure();
        return outcome;
    }
    const TextFormat& textFormat = read.value();
    if (tables.format == FontFormat::Gfx) {
        if (!textFormat.language->writesGfxFont())
            outcome.failure = gfxLanguagesMessage();
        else
            outcome.code.text = gfxText(tables, glyphs, textFormat, name);
        return outcome;
    }
    outcome.code.text = tableHead(textFormat, glyphs.description(), name) +
                        glyphLinesText(tables, textFormat) + tableTrailer(textFormat);
    return outcome;
}

}  // namespace pixmint
