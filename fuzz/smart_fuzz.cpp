// Include files of any content through smart reading: every table found is sound, every
// choice gives two-digit entries that match the tables, and a byte table laid out in every
// language the program writes reads back whole. The evaluator of C's constant expressions
// also reads the input's last line, with the macros its "#define" lines give, as a byte
// and as a condition: it ends, and it refuses rather than crashes. Every font the
// recognisers find comes back whole: a GFX font with an entry per code and every bitmap
// inside its array, a cell font in whole glyphs.

#include "c_preprocessor.h"
#include "code_layout.h"
#include "font_recognisers.h"
#include "fuzz_support.h"
#include "number_format.h"
#include "single_byte_text.h"
#include "smart_reading.h"

#include <QStringList>

using pixmint_fuzz::check;

namespace {

int lineCount(const QString& text)
{
    int lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    }
    return lines;
}

void checkTable(const pixmint::FoundTable& table, int lines)
{
    check(table.count > 0 || !table.isBytes(), "a table holds a number or a piece that is none");
    check(table.line >= 1 && table.line <= lines, "a table's line lies in the text");
    check(table.bytes.size() <= table.count, "no more values than numbers");
    check(!table.isBytes() || table.bytes.size() == table.count, "a byte table keeps every value");
    check(!pixmint::dialectWord(table.dialect).isEmpty(), "every dialect has its word");
    check(table.warnings.isEmpty() || table.dialect == pixmint::TableDialect::C ||
              table.dialect == pixmint::TableDialect::Jal ||
              (table.dialect == pixmint::TableDialect::Asm && table.count > 64),
          "only the preprocessor of C and the joining of a split table warn");
}

// The input's "#define" lines as macros, its last line as an expression.
void checkExpression(const QString& text)
{
    pixmint::MacroTable macros;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(u'#'))
            macros.take(line);
    }
    const QString last = lines.last().left(4096);
    bool outsideName = false;
    const std::optional<qint64> value = pixmint::evaluateExpression(last, macros);
    pixmint::evaluateExpression(last, macros, true, &outsideName);
    check(value == pixmint::evaluateExpression(last, macros), "an expression has one value");
}

void checkChoice(const QList<pixmint::FoundTable>& tables, const pixmint::TableChoice& choice)
{
    const pixmint::ChosenTable chosen = pixmint::chooseTable(tables, choice);
    check(chosen.failure.isEmpty() || chosen.entries.isEmpty(), "a failure takes nothing");
    check(chosen.first < tables.size(), "the table shown is one of the tables");
    for (const QString& entry : chosen.entries) {
        check(entry.size() == 2 && entry == entry.toUpper(), "an entry is two capital digits");
    }
    if (chosen.failure.isEmpty() && choice.kind != pixmint::TableChoice::Kind::All)
        check(chosen.entries.size() == tables[chosen.first].count, "the whole table is taken");
}

// The first byte table, laid out in every language with its presets, reads back whole.
void checkRoundTrip(const QList<pixmint::FoundTable>& tables, const QString& path)
{
    const pixmint::ChosenTable chosen = pixmint::chooseTable(tables, {});
    if (!chosen.failure.isEmpty())
        return;
    const QStringList table = chosen.entries.mid(0, 300);
    for (const pixmint::Language& preset : pixmint::languages()) {
        for (const QString& command : preset.commandTexts()) {
            pixmint::NumberFormat format = pixmint::presetFormat(preset.name);
            format.command = command;
            const QString text = pixmint::codeTextFor(format, table, path).code.text;
            const pixmint::ChosenTable again = pixmint::chooseTable(pixmint::findTables(text), {});
            check(again.entries == table, "a table the program writes reads back whole");
        }
    }
}

void checkFont(const pixmint::Checked<pixmint::IncludedFont>& font)
{
    if (!font.ok()) {
        check(!font.failure().isEmpty(), "a font that does not come back says why");
        return;
    }
    if (font->kind == pixmint::IncludedFont::Kind::Gfx) {
        check(font->glyphs.size() == qint64(font->last) - font->first + 1,
              "a GFX font has an entry per code");
        for (const pixmint::GfxGlyph& glyph : font->glyphs) {
            const qint64 bytes = (qint64(glyph.width) * glyph.height + 7) / 8;
            check(glyph.bitmapOffset >= 0 && glyph.bitmapOffset + bytes <= font->bytes.size(),
                  "a glyph's bitmap lies in the array");
        }
        return;
    }
    const qint64 glyph = pixmint::cellGlyphBytes(font->cell);
    check(glyph > 0 && font->bytes.size() % glyph == 0, "a cell font holds whole glyphs");
    check(font->bytes.size() / glyph == qint64(font->last) - font->first + 1,
          "a cell font's codes count its glyphs");
}

// The fonts of the tables the recognisers marked (a few), and the largest table as a cell
// font of a size the input gives.
void checkFonts(const QString& text, const QList<pixmint::FoundTable>& tables, std::size_t size)
{
    int asked = 0;
    for (qsizetype i = 0; i < tables.size() && asked < 3; ++i) {
        if (tables[i].dialect != pixmint::TableDialect::Gfx && tables[i].glyphCell.isEmpty())
            continue;
        check(tables[i].dialect != pixmint::TableDialect::Gfx || !tables[i].isBytes(),
              "a GFX record is no byte table");
        checkFont(pixmint::includedFont(text, QString::number(i), std::nullopt));
        ++asked;
    }
    const QSize cell(int(size % 9) + 1, int(size % 17) + 1);
    checkFont(pixmint::includedFont(text, QString(), cell));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = pixmint::decodeWindows1254(pixmint_fuzz::bytesOf(data, size));
    const QList<pixmint::FoundTable> tables = pixmint::findTables(text);
    const int lines = lineCount(text);
    for (const pixmint::FoundTable& table : tables)
        checkTable(table, lines);
    pixmint::TableChoice one;
    one.kind = pixmint::TableChoice::Kind::Index;
    one.index = size % 4;
    for (const pixmint::TableChoice& choice :
         {pixmint::TableChoice(), pixmint::tableChoiceFrom(QStringLiteral("all")), one})
        checkChoice(tables, choice);
    QString path = text.left(60);
    path.remove(u'\r');
    path.remove(u'\n');
    checkRoundTrip(tables, path);
    checkExpression(text);
    checkFonts(text, tables, size);
    return 0;
}
