#pragma once

#include "byte_layout.h"
#include "checked.h"
#include "number_format.h"

#include <QString>
#include <QStringList>

namespace pixmint {

class EventYield;

// The data lines of a table, and whether the layout met its error path: a last line that
// is not full, or a table without entries. The window then shows one message box titled
// "HATA :9" before it shows the (completed) text.
struct LaidOutLines {
    QString text;
    bool incompleteLine = false;
};

// Lays the entries out n to a line (n below 1 counts as 1): TAB, command, TAB, then each
// entry as prefix, entry, suffix, separator. A full line drops the separator after its
// last number unless keepLastSeparator is set; an incomplete last line always drops it.
// Every line ends with CR LF. Yields after every number.
LaidOutLines SatırlarıOluştur(const QStringList& table, const QString& command,
                              const QString& prefix, const QString& suffix,
                              const QString& separator, int numbersPerLine, bool keepLastSeparator,
                              EventYield& yield);

// A number format whose texts have been read: the language's record and the numbers per
// line, with the texts of the command and the number format as typed.
struct TextFormat {
    const Language* language = nullptr;
    QString command;
    QString prefix;
    QString suffix;
    QString separator;
    int numbersPerLine = 16;
};

// Reads the format as the windows and the tool check it, in this order: the language must
// be one of the list ("Bilinmeyen dil: …"), the numbers per line a whole number
// ("Sütun Sayısı bir tam sayı olmalıdır.").
Checked<TextFormat> readTextFormat(const NumberFormat& format);

// The parts of a table's code text, for texts made of several tables or of glyph lines:
// the head (the comment line with commentPath, the name line of a line language, the
// declaration of an array language), and the trailer. A table name (an identifier) names
// the table: array languages write tableName + "[]=" in place of the command, line
// languages write their name line after the comment line. Without one the head is that of
// the format alone.
QString tableHead(const TextFormat& format, const QString& commentPath,
                  const QString& tableName = QString());
QString tableTrailer(const TextFormat& format);
// The command in front of each data line (empty for an array language), and the numbers a
// line holds: one for a command that takes one number a line ("Retlw").
QString dataCommand(const TextFormat& format);
int numbersPerDataLine(const TextFormat& format);

// The whole code text of a table: the head, the data lines, the trailer, every line ending
// in CR LF. The entries are written as they are; bytes as two upper-case hexadecimal digits.
LaidOutLines layOutTable(const TextFormat& format, const QStringList& table,
                         const QString& commentPath, EventYield& yield,
                         const QString& tableName = QString());
LaidOutLines layOutTable(const TextFormat& format, const Bytes& bytes, const QString& commentPath,
                         EventYield& yield, const QString& tableName = QString());

// The data of one item of a table written an item a line (a glyph of a font) with a comment
// of its own: TAB, the command, TAB, every entry as layOutTable writes it (an array language
// keeps the last separator), a blank, the language's comment marker, a blank and the comment,
// CR LF. A command that takes one number a line ("Retlw") puts the marker, a blank and the
// comment on a line of their own before the lines of the numbers. Without entries the line
// holds the comment alone.
QString commentedDataLine(const TextFormat& format, const Bytes& bytes, const QString& comment);

// The format read and the table laid out, or the failure of the reading (shown under the
// title "Hata"; then nothing is laid out). The same code serves both windows and the
// command-line tool.
struct CodeTextOutcome {
    QString failure;
    LaidOutLines code;
};
CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath, EventYield& yield,
                            const QString& tableName = QString());
CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath);

// The message when the numbers per line are no whole number.
QString badNumbersPerLineMessage();

}  // namespace pixmint
