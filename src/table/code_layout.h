#pragma once

#include "language_presets.h"

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

// The settings a code text is made with.
struct CodeFormat {
    QString command;  // the table command, or for CCS the table name
    QString prefix;
    QString suffix;
    QString separator;
    int numbersPerLine = 16;
    QString commentPath;  // written after the comment marker of the first line
};

// The comment marker of a language: ";", "//" or "'".
QString commentMarker(CodeLanguage language);

// The whole code text of a language: the comment line, the frame and the data lines, every
// line ending in CR LF. With "Asm" and the command "RETLW" (any case) every line holds one
// number. The same code serves both windows and the command-line tool.
LaidOutLines buildCodeText(CodeLanguage language, const QStringList& table,
                           const CodeFormat& format, EventYield& yield);
LaidOutLines buildCodeText(CodeLanguage language, const QStringList& table,
                           const CodeFormat& format);

// What the windows and the tool make of their settings: the checked language and numbers
// per line, then the laid-out text. When a check fails, failure holds the message (shown
// under the title "Hata") and nothing is laid out.
struct CodeTextOutcome {
    QString failure;
    LaidOutLines code;
};
CodeTextOutcome codeTextFor(const QString& languageText, const QString& numbersPerLineText,
                            const QStringList& table, const CodeFormat& format, EventYield& yield);

// The message texts of the layout.
QString unknownLanguageMessage(const QString& languageText);
QString badNumbersPerLineMessage();

}  // namespace pixmint
