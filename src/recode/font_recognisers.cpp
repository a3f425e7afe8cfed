#include "font_recognisers.h"

#include "written_numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace pixmint {
namespace {

constexpr int kLeastCellSide = 3;
constexpr int kMostCellSide = 32;
constexpr int kGfxEntryNumbers = 6;
// The lines before a table (and its own first line) where a comment may state its size.
constexpr int kStatingLines = 3;

bool isCellSide(qint64 side)
{
    return side >= kLeastCellSide && side <= kMostCellSide;
}

// "5x7", "5 × 7", "8X8" standing alone in a comment (not inside a word or a number such as
// 0x07), or inside a name ("font5x7").
std::optional<QSize> statedSize(QStringView text, bool name)
{
    static const QRegularExpression inComment(QStringLiteral(
        "(?<![A-Za-z0-9])([0-9]{1,2})\\s*[xX\\x{00D7}]\\s*([0-9]{1,2})(?![0-9A-Za-z])"));
    static const QRegularExpression inName(QStringLiteral("([0-9]{1,2})[xX]([0-9]{1,2})(?![0-9])"));
    QRegularExpressionMatchIterator matches = (name ? inName : inComment).globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const int width = match.capturedView(1).toInt();
        const int height = match.capturedView(2).toInt();
        if (isCellSide(width) && isCellSide(height))
            return QSize(width, height);
    }
    return std::nullopt;
}

// Whether a cell divides the numbers after `skip` into two whole glyphs or more.
bool dividesTable(QSize cell, qsizetype count, qsizetype skip)
{
    const qint64 glyph = cellGlyphBytes(cell);
    const qint64 rest = count - skip;
    return glyph > 0 && rest >= 2 * glyph && rest % glyph == 0;
}

// Leading size numbers of a table named a font: width, height (and the first code and the
// count of glyphs, when the count matches the rest exactly).
bool readLeadingSize(FoundTable& table)
{
    const QByteArray& bytes = table.bytes;
    if (!table.name.contains(QLatin1String("font"), Qt::CaseInsensitive) || bytes.size() < 4)
        return false;
    const QSize cell(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1]));
    if (!isCellSide(cell.width()) || !isCellSide(cell.height()))
        return false;
    const qint64 glyphs = static_cast<unsigned char>(bytes[3]);
    if (glyphs > 0 && glyphs * cellGlyphBytes(cell) == bytes.size() - 4) {
        table.glyphFirst = static_cast<unsigned char>(bytes[2]);
        table.glyphSkip = 4;
    } else if (dividesTable(cell, bytes.size(), 2)) {
        table.glyphSkip = 2;
    } else {
        return false;
    }
    table.glyphCell = cell;
    return true;
}

// Walks the text's lines forward, as the tables come in file order.
class LineCursor {
public:
    explicit LineCursor(QStringView text) : m_text(text) {}

    // Lines first to last (from 1), as they stand in the text.
    QStringView lines(int first, int last)
    {
        const qsizetype start = offsetOf(std::max(first, 1));
        const qsizetype end = offsetOf(last + 1);
        return m_text.sliced(start, std::max<qsizetype>(0, end - start));
    }

private:
    qsizetype offsetOf(int line)
    {
        if (line < m_line) {
            m_line = 1;
            m_offset = 0;
        }
        while (m_line < line && m_offset < m_text.size()) {
            const qsizetype feed = m_text.indexOf(u'\n', m_offset);
            m_offset = feed < 0 ? m_text.size() : feed + 1;
            ++m_line;
        }
        return m_offset;
    }

    QStringView m_text;
    int m_line = 1;
    qsizetype m_offset = 0;
};

// The name of an array as a GFXfont record writes it: "(uint8_t *)NAME", "&NAME[0]".
QString arrayName(QString piece)
{
    static const QRegularExpression cast(QStringLiteral("^\\s*\\([^()]*\\)\\s*"));
    piece.remove(cast);
    piece = piece.trimmed();
    if (piece.startsWith(u'&'))
        piece = piece.sliced(1).trimmed();
    if (const qsizetype bracket = piece.indexOf(u'['); bracket > 0)
        piece.truncate(bracket);
    return piece.trimmed();
}

qsizetype tableNamed(const QList<FoundTable>& tables, const QString& name)
{
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (!name.isEmpty() && tables[i].name == name)
            return i;
    }
    return -1;
}

// The parts of a GFX font whose record is `record`, when the text holds them.
struct GfxParts {
    qsizetype bitmap = -1;
    qsizetype glyphs = -1;
    int first = 0;
    int last = 0;
    int yAdvance = 0;
};

std::optional<GfxParts> gfxParts(const FoundTable& record, const QList<FoundTable>& tables)
{
    if (record.pieces.size() < 5)
        return std::nullopt;
    GfxParts parts;
    parts.bitmap = tableNamed(tables, arrayName(record.pieces[0]));
    parts.glyphs = tableNamed(tables, arrayName(record.pieces[1]));
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::optional<WrittenNumber> number = readWrittenNumber(record.pieces[2 + i]);
        if (!number || number->value > 0xFFFF)
            return std::nullopt;
        numbers[i] = static_cast<int>(number->value);
    }
    parts.first = numbers[0];
    parts.last = numbers[1];
    parts.yAdvance = numbers[2];
    if (parts.bitmap < 0 || parts.glyphs < 0 || parts.last < parts.first ||
        !tables[parts.bitmap].isBytes())
        return std::nullopt;
    const qint64 entries = qint64(parts.last) - parts.first + 1;
    if (tables[parts.glyphs].values.size() != entries * kGfxEntryNumbers)
        return std::nullopt;
    return parts;
}

// The GFX font of a record table, or of one of its arrays; -1 when the table is neither.
}  // namespace

qsizetype gfxFontTable(const QList<FoundTable>& tables, qsizetype index)
{
    if (index < 0 || index >= tables.size())
        return -1;
    if (tables[index].dialect == TableDialect::Gfx)
        return index;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables[i].dialect != TableDialect::Gfx)
            continue;
        const std::optional<GfxParts> parts = gfxParts(tables[i], tables);
        if (parts && (parts->bitmap == index || parts->glyphs == index))
            return i;
    }
    return -1;
}

namespace {

QString noFontMessage()
{
    return QStringLiteral(
        "Dosyada yazı tipi bulunamadı: Adafruit GFX yazı tipi (GFXfont) ya da karakter "
        "boyutu belli bir tablo yok. Karakter boyutunu verin (hücre, örneğin 5x7).");
}

Checked<IncludedFont> gfxFont(const QList<FoundTable>& tables, qsizetype index)
{
    const std::optional<GfxParts> parts = gfxParts(tables[index], tables);
    IncludedFont font;
    font.kind = IncludedFont::Kind::Gfx;
    font.name = tables[index].shownName();
    font.bytes = tables[parts->bitmap].bytes;
    font.first = parts->first;
    font.last = parts->last;
    font.yAdvance = parts->yAdvance;
    const QList<int>& values = tables[parts->glyphs].values;
    for (qsizetype at = 0; at + kGfxEntryNumbers <= values.size(); at += kGfxEntryNumbers) {
        const GfxGlyph glyph{values[at],     values[at + 1], values[at + 2],
                             values[at + 3], values[at + 4], values[at + 5]};
        const qint64 bits = qint64(glyph.width) * glyph.height;
        const bool fits = glyph.bitmapOffset >= 0 && glyph.width >= 0 && glyph.height >= 0 &&
                          glyph.bitmapOffset + (bits + 7) / 8 <= font.bytes.size();
        if (!fits || glyph.width > 255 || glyph.height > 255) {
            return Checked<IncludedFont>::failed(
                QStringLiteral("Yazı tipi %1: 0x%2 kodlu karakterin bit eşlemi tablonun dışında.")
                    .arg(font.name)
                    .arg(QString::number(font.first + at / kGfxEntryNumbers, 16).toUpper()));
        }
        font.glyphs << glyph;
    }
    return font;
}

Checked<IncludedFont> cellFont(const FoundTable& table, std::optional<QSize> given)
{
    if (!table.isBytes())
        return Checked<IncludedFont>::failed(notBytesMessage(table));
    const QSize cell = given.value_or(table.glyphCell);
    if (cell.isEmpty()) {
        return Checked<IncludedFont>::failed(
            QStringLiteral("Tablo %1 için karakter boyutu bilinmiyor: hücreyi verin (örneğin 5x7).")
                .arg(table.shownName()));
    }
    const qsizetype skip = cell == table.glyphCell ? table.glyphSkip : 0;
    const qint64 glyph = cellGlyphBytes(cell);
    const qint64 rest = table.bytes.size() - skip;
    if (rest <= 0 || rest % glyph != 0) {
        return Checked<IncludedFont>::failed(
            QStringLiteral("%1x%2 hücre tabloyu bölmüyor: tablo %3 %4 bayt, bir karakter %5 bayt.")
                .arg(cell.width())
                .arg(cell.height())
                .arg(table.shownName())
                .arg(rest)
                .arg(glyph));
    }
    IncludedFont font;
    font.name = table.shownName();
    font.cell = cell;
    font.bytes = table.bytes.sliced(skip);
    // A stated first code; else a whole code page starts at 0, a smaller set at the blank.
    font.first = table.glyphFirst >= 0 ? table.glyphFirst : (rest / glyph >= 128 ? 0 : 32);
    font.last = font.first + static_cast<int>(rest / glyph) - 1;
    return font;
}

// The table a font is asked of, or why there is none.
Checked<qsizetype> chosenFontTable(const QList<FoundTable>& tables, const QString& choice,
                                   bool cellGiven)
{
    if (!choice.isEmpty()) {
        const TableChoice chosen = tableChoiceFrom(choice);
        qsizetype index = -1;
        if (chosen.kind == TableChoice::Kind::Index && chosen.index < tables.size())
            index = chosen.index;
        else if (chosen.kind == TableChoice::Kind::Name)
            index = tableNamed(tables, chosen.name);
        if (index < 0)
            return Checked<qsizetype>::failed(QStringLiteral("Tablo bulunamadı: %1").arg(choice));
        return index;
    }
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables[i].dialect == TableDialect::Gfx)
            return i;
    }
    if (cellGiven && largestTable(tables) >= 0)
        return largestTable(tables);
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (!tables[i].glyphCell.isEmpty())
            return i;
    }
    return Checked<qsizetype>::failed(noFontMessage());
}

}  // namespace

qint64 cellGlyphBytes(QSize cell)
{
    return qint64(cell.width()) * ((qint64(cell.height()) + 7) / 8);
}

void recogniseFonts(QStringView text, QList<FoundTable>& tables)
{
    QList<qsizetype> bitmaps;
    for (FoundTable& table : tables) {
        if (const std::optional<GfxParts> parts = gfxParts(table, tables)) {
            table.dialect = TableDialect::Gfx;
            table.count = qint64(parts->last) - parts->first + 1;
            bitmaps << parts->bitmap;
        }
    }
    LineCursor cursor(text);
    for (qsizetype i = 0; i < tables.size(); ++i) {
        FoundTable& table = tables[i];
        if (!table.isBytes() || table.bytes.size() < 4 || bitmaps.contains(i))
            continue;
        std::optional<QSize> cell = statedSize(table.name, true);
        if (!cell)
            cell = statedSize(cursor.lines(table.line - kStatingLines, table.line), false);
        if (cell && dividesTable(*cell, table.bytes.size(), 0))
            table.glyphCell = *cell;
        else
            readLeadingSize(table);
    }
}

Checked<IncludedFont> includedFont(QStringView text, const QString& choice,
                                   std::optional<QSize> cell)
{
    const QList<FoundTable> tables = findTables(text);
    if (tables.isEmpty())
        return Checked<IncludedFont>::failed(noFontMessage());
    const Checked<qsizetype> index = chosenFontTable(tables, choice, cell.has_value());
    if (!index.ok())
        return Checked<IncludedFont>::failed(index.failure());
    const qsizetype record = gfxFontTable(tables, index.value());
    if (record >= 0)
        return gfxFont(tables, record);
    return cellFont(tables[index.value()], cell);
}

}  // namespace pixmint
