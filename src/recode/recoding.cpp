#include "recoding.h"

#include "hex_digits.h"
#include "text_lines.h"

#include <algorithm>
#include <utility>

namespace pixmint {
namespace {

// The first occurrence of needle in text, or -1; an empty needle never occurs, so an
// empty prefix or cut text leaves a piece whole.
qsizetype findIn(QStringView text, QStringView needle)
{
    if (needle.isEmpty())
        return -1;
    if (needle.size() == 1)
        return text.indexOf(needle.front());
    return text.indexOf(needle);
}

// The text without the space characters (U+0020) at its ends; other white space stays.
QStringView withoutEndSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// A piece made of nothing but TABs and spaces, or of nothing.
bool isBlank(QStringView piece)
{
    return std::all_of(piece.begin(), piece.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// The cut of a piece already in capitals, by a cut text already in capitals.
QStringView cutAt(QStringView piece, QStringView cutUpper)
{
    const qsizetype at = findIn(piece, cutUpper);
    return at < 0 ? piece : piece.left(at);
}

// The number text of a cut piece already in capitals, by a prefix already in capitals.
QStringView numberIn(QStringView cutPiece, QStringView prefixUpper)
{
    const QStringView trimmed = withoutEndSpaces(cutPiece);
    const qsizetype at = findIn(trimmed, prefixUpper);
    return at < 0 ? trimmed : trimmed.mid(at + prefixUpper.size());
}

// Replaces an entry holding a hexadecimal number from 0 to FF by its 8-bit complement in
// two digits; returns false and leaves any other entry as it is. The empty entry has the
// digit value 0, so it becomes FF.
bool invertEntry(QString& entry)
{
    const std::optional<int> value = entry.isEmpty() ? 0 : hexByte(entry);
    if (!value)
        return false;
    // Written in place: the entry is not shared yet, so this allocates nothing.
    setTwoHexDigits(entry, 255 - *value);
    return true;
}

// The settings of one run, in the form the loop compares them.
class LineReader {
public:
    LineReader(const NumberFormat& format, bool invert, QStringList& entries)
        : m_marker(sourceCommentMarker(format.language)),
          m_cut((format.suffix.isEmpty() ? m_marker : format.suffix).toUpper()),
          m_prefix(format.prefix.toUpper()),
          m_separator(format.separator),
          m_invert(invert),
          m_entries(entries)
    {
    }

    int notInverted() const { return m_notInverted; }

    // Converts one line of the working text (in capitals, without its line end).
    void read(QStringView line)
    {
        const qsizetype comment = findIn(line, m_marker);
        if (comment >= 0)
            line = line.left(comment);
        if (line.isEmpty())
            return;
        if (m_separator.isEmpty()) {
            if (beginsWithPrefix(line))
                append(line);
            return;
        }
        const qsizetype first = line.indexOf(m_separator);
        const bool threeOrMore =
            first >= 0 && line.indexOf(m_separator, first + m_separator.size()) >= 0;
        if (!threeOrMore && !beginsWithPrefix(first < 0 ? line : line.left(first)))
            return;
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = line.indexOf(m_separator, from);
            if (at < 0) {
                // A separator at the end of a line (as in C tables) ends the line's numbers.
                if (!isBlank(line.mid(from)))
                    append(line.mid(from));
                return;
            }
            append(line.mid(from, at - from));
            from = at + m_separator.size();
        }
    }

private:
    // A line of one or two pieces counts when its first piece holds a number written with
    // the source prefix: the last line of a table and the lines of a "Retlw" table.
    bool beginsWithPrefix(QStringView firstPiece) const
    {
        if (m_prefix.isEmpty())
            return false;
        QString noTabs;
        const QStringView piece = withoutTabs(firstPiece, noTabs);
        return withoutEndSpaces(cutAt(piece, m_cut)).startsWith(m_prefix);
    }

    // The piece without TABs; copies only when there is one to remove.
    static QStringView withoutTabs(QStringView piece, QString& storage)
    {
        if (!piece.contains(u'\t'))
            return piece;
        storage = piece.toString();
        storage.remove(u'\t');
        return storage;
    }

    void append(QStringView piece)
    {
        QString noTabs;
        QString entry = numberIn(cutAt(withoutTabs(piece, noTabs), m_cut), m_prefix).toString();
        if (m_invert && !invertEntry(entry))
            ++m_notInverted;
        m_entries.append(std::move(entry));
    }

    const QString m_marker;
    const QString m_cut;
    const QString m_prefix;
    const QString m_separator;
    const bool m_invert;
    QStringList& m_entries;
    int m_notInverted = 0;
};

}  // namespace

QString Karakter_Kes(const QString& piece, const QString& cutText)
{
    const QString upper = piece.toUpper();
    return cutAt(upper, cutText.toUpper()).toString();
}

QString Sayı_Bul(const QString& piece, const QString& prefix)
{
    const QString upper = piece.toUpper();
    return numberIn(upper, prefix.toUpper()).toString();
}

int Kodu_dönüştür(const QString& sourceText, const NumberFormat& format, QStringList& table,
                  bool invert)
{
    // The command goes everywhere in one pass, comments and paths included; what is left
    // of a comment is dropped line by line below.
    QString working = sourceText.toUpper();
    const QString command = format.command.toUpper();
    if (!command.isEmpty())
        working.remove(command, Qt::CaseSensitive);

    const QStringView text = withoutEndSpaces(working);
    QStringList entries;
    // Every piece but the first of a line follows a separator: counting them first spares
    // the list its repeated growth on large files. The reservation is bounded, since the
    // separators of comments count too.
    if (!format.separator.isEmpty()) {
        constexpr qsizetype kMostReserved = qsizetype(1) << 22;
        const qsizetype pieces =
            text.count(format.separator) + text.count(u'\n') + text.count(u'\r') + 1;
        entries.reserve(std::min(pieces, kMostReserved));
    }
    LineReader reader(format, invert, entries);
    TextLines lines(text);
    QStringView line;
    while (lines.next(line))
        reader.read(line);
    table = std::move(entries);
    return reader.notInverted();
}

int invertEntries(QStringList& table)
{
    int notInverted = 0;
    for (QString& entry : table) {
        if (!invertEntry(entry))
            ++notInverted;
    }
    return notInverted;
}

QString notInvertedMessage(int count)
{
    return QString::number(count) +
           QStringLiteral(" sayı terslenemedi; bunlar olduğu gibi bırakıldı.");
}

}  // namespace pixmint
