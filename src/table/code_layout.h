#pragma once

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

// The comment marker of a language: ";" (Asm), "//" (CCS, C, Arduino) or "'".
QString commentMarker(CodeLanguage language);

// What the windows and the tool make of a format: the language and the numbers per line are
// checked, then the whole code text is laid out: the comment line (marker and
// commentPath), the frame of the language and the data lines, every line ending in CR LF.
// With "Asm" and the command "RETLW" (any case) every line holds one number. When a check
// fails, failure holds the message (shown under the title "Hata") and nothing is laid out.
// The same code serves both windows and the command-line tool.
// A table name (an identifier; several tables in one text) names the table: CCS, C and
// Arduino write the array as tableName + "[]=" in place of the command, Asm writes a line
// holding the name alone after the comment line, Proton Basic a line "NAME:". Without one
// the text is that of the format alone.
struct CodeTextOutcome {
    QString failure;
    LaidOutLines code;
};
CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath, EventYield& yield,
                            const QString& tableName = QString());
CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath);

// The message texts of the layout.
QString unknownLanguageMessage(const QString& languageText);
QString badNumbersPerLineMessage();

}  // namespace pixmint
