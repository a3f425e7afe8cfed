// Font files of any content through the font road, with its settings drawn from the input's
// last bytes (format, layout, size or fitted height, characters, rendering, cell, language,
// face): whatever FreeType makes of the file, the road around it (sizes, ranges, placement,
// packing, the text and the sample) never crashes nor allocates without bound, and what it
// makes holds together: every glyph's numbers are as many as its picture needs, the GFX
// glyphs follow each other through the bitmap, and a glyph table's text reads back smartly
// as exactly its numbers.

#include "font_road.h"
#include "font_sample.h"
#include "fuzz_support.h"
#include "smart_reading.h"

#include <QByteArray>

using pixmint_fuzz::check;

namespace {

constexpr std::size_t kSettingBytes = 8;

struct Drawn {
    pixmint::FontRoadRequest request;
    QString sample;
};

pixmint::CharacterChoice characters(std::uint8_t b)
{
    using Kind = pixmint::CharacterChoice::Kind;
    switch (b % 6) {
    case 0:
        return {Kind::Charset, pixmint::Charset::Ascii, QString()};
    case 1:
        return {Kind::Charset, pixmint::Charset::Latin1, QString()};
    case 2:
        return {Kind::Charset, pixmint::Charset::Windows1254, QString()};
    case 3:
        return {Kind::Text, pixmint::Charset::Ascii, QStringLiteral("Ağ İş 0\\'/*;")};
    case 4:
        // A range that may lie far from the first one: the GFX glyph array spans both.
        return {Kind::List, pixmint::Charset::Ascii,
                QStringLiteral("65-70,%1").arg(0x100 + (b >> 3) * 97)};
    default:
        return {Kind::List, pixmint::Charset::Ascii, QStringLiteral("0-31,0x2500-0x2510")};
    }
}

Drawn drawn(const std::uint8_t* s, const QByteArray& file)
{
    Drawn d;
    pixmint::FontRoadRequest& r = d.request;
    r.glyphs.source.path = QStringLiteral("fuzz.font");
    r.glyphs.source.data = file;
    r.glyphs.source.face = s[7] % 3;
    r.format = static_cast<pixmint::FontFormat>(s[0] % 3);
    r.layout = static_cast<pixmint::ByteLayout>((s[0] >> 2) % 4);
    const int size = s[1] % 48 + 1;
    if (s[0] & 0x40)
        r.glyphs.fitHeight = size;
    else if (!(s[0] & 0x80))
        r.glyphs.size = size;  // else the font's default
    r.glyphs.characters = characters(s[2]);
    if (s[3] & 1)
        r.glyphs.threshold = s[3] >> 1;
    if (s[4] || s[5])
        r.glyphs.cell = QSize(s[4] % 64, s[5] % 64);
    const char* languages[] = {"Asm", "CCS", "Proton Basic", "C", "Arduino"};
    r.textFormat = pixmint::presetFormat(QString::fromLatin1(languages[s[6] % 5]));
    if (s[6] & 0x80)
        r.textFormat.command = QStringLiteral("Retlw");
    d.sample = QStringLiteral("Merhaba Dünya 123 ĞÜŞİÖÇ\n");
    return d;
}

void checkGlyphNumbers(const pixmint::FontTables& tables)
{
    for (const pixmint::GlyphNumbers& glyph : tables.glyphs) {
        qint64 expected = 0;
        if (tables.format == pixmint::FontFormat::Widths) {
            check(!glyph.numbers.empty() && glyph.numbers[0] == glyph.width, "the width first");
            expected = 1;
        }
        if (glyph.width > 0)
            expected += pixmint::entryCount(tables.layout, glyph.width, tables.cellHeight);
        check(qint64(glyph.numbers.size()) == expected, "as many numbers as the picture needs");
    }
}

void checkGfx(const pixmint::GfxFont& gfx)
{
    check(gfx.glyphs.size() == gfx.last - gfx.first + 1, "an entry for every code");
    qint64 offset = 0;
    for (const pixmint::GfxGlyph& glyph : gfx.glyphs) {
        check(glyph.bitmapOffset == offset, "each bitmap where the last one ends");
        offset += (qint64(glyph.width) * glyph.height + 7) / 8;
        check(glyph.width <= 255 && glyph.height <= 255 && glyph.xAdvance <= 255,
              "within the format's bytes");
    }
    check(offset == qint64(gfx.bitmap.size()), "the bitmap holds every glyph");
}

void checkReadsBack(const pixmint::FontRoadOutcome& outcome)
{
    const QList<pixmint::FoundTable> found = pixmint::findTables(outcome.code.code.text);
    const pixmint::Bytes numbers = outcome.tables.numbers();
    const QByteArray expected(reinterpret_cast<const char*>(numbers.data()),
                              static_cast<qsizetype>(numbers.size()));
    if (outcome.tables.format == pixmint::FontFormat::Gfx) {
        const qsizetype largest = pixmint::largestTable(found);
        check(largest >= 0 && found[largest].bytes == expected, "the bitmap reads back");
        return;
    }
    check(found.size() == 1 && found[0].isBytes() && found[0].bytes == expected,
          "the glyph table reads back as its numbers");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kSettingBytes)
        return 0;
    const QByteArray file = pixmint_fuzz::bytesOf(data, size - kSettingBytes);
    const Drawn d = drawn(data + size - kSettingBytes, file);
    const pixmint::FontRoadOutcome outcome = pixmint::runFontRoad(d.request);
    if (!outcome.failure.isEmpty())
        return 0;
    const pixmint::FontGlyphs& glyphs = outcome.glyphs;
    check(!glyphs.glyphs.isEmpty(), "glyphs were made");
    check(glyphs.cellHeight >= 1 && glyphs.cellHeight <= pixmint::kMaxCellSide &&
              glyphs.cellWidth >= 1 && glyphs.cellWidth <= pixmint::kMaxCellSide,
          "the cell is within its limits");
    if (outcome.tables.format == pixmint::FontFormat::Gfx)
        checkGfx(outcome.tables.gfx);
    else
        checkGlyphNumbers(outcome.tables);
    for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
        const pixmint::PixelGrid drawnBack = pixmint::drawnGlyph(outcome.tables, i);
        check(drawnBack.height() == glyphs.cellHeight, "a glyph's picture is a cell high");
    }
    const pixmint::PixelGrid sample = pixmint::sampleDrawing(outcome.tables, d.sample);
    check(sample.width() >= 0 && sample.height() >= 0, "the sample draws");
    if (outcome.code.failure.isEmpty())
        checkReadsBack(outcome);
    return 0;
}
