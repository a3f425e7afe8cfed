#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixmint {

// What a command of a language's list means.
enum class CommandRole {
    Data,              // the word in front of every data line ("Dt", "CData")
    OneNumberPerLine,  // a data word that takes one number a line ("Retlw")
    ArrayName,         // the array's name and "[]=" ("Resim[]=")
};

struct LanguageCommand {
    QString text;
    CommandRole role;
};

// A marker whose presence in a code text names the language (see detectedFormat). Markers
// are tried in their rank's order and the last one found decides; a marker may also choose
// the command of a role.
struct DetectionMarker {
    QString text;  // in capitals
    int rank;
    std::optional<CommandRole> command;
};

// Everything the program knows about one output language, in one place: what choosing it
// writes into a format group, how its table is written, saved, detected and read back. A
// new language is one more record in languages().
struct Language {
    QString name;                     // as the language lists show it
    QList<LanguageCommand> commands;  // the command list; choosing the language takes the first
    QString prefix;                   // the presets of the number format boxes
    QString suffix;
    QString separator;
    QString sample;
    QString numbersPerLine;
    QString commentMarker;  // opens a comment to the end of the line
    // The table's frame. An array language writes the declaration, the array's name and "{",
    // then data lines without a command that keep their last separator; a line language
    // writes the command in front of every data line and, for a named table, the name line.
    QString declaration;      // "#include <stdint.h>\r\nconst uint8_t "; empty for line languages
    QString nameLine;         // "%1" or "%1:" for a named table of a line language
    QString trailer;          // after the data lines
    QString savedExtension;   // of the name proposed for saving: ".h" or ".inc"
    QString dialogExtension;  // the save dialog's default: "*.c", "*.h" or "*.inc"
    QList<DetectionMarker> markers;
    QString dialect;  // smart reading's word for the tables shown as this language; or empty
    // An Adafruit GFX font (GFXfont) in this language: the lines after the comment line that
    // bring in the types, and the word after an array's name that keeps it in program
    // memory. A language without the lines writes no GFX font.
    QString gfxHead;
    QString programMemory;

    bool writesGfxFont() const { return !gfxHead.isEmpty(); }

    bool writesArray() const { return !declaration.isEmpty(); }
    QStringList commandTexts() const;
    // The command of the role, or nothing when the language has none.
    std::optional<QString> commandFor(CommandRole role) const;
    // Whether a command (any letter case) takes one number a line in this language.
    bool takesOneNumberPerLine(const QString& command) const;
};

// Every language, in the order of the language lists.
const QList<Language>& languages();
QStringList languageNames();

// The language whose name equals the text in upper case (no trimming: "Asm " matches
// nothing); nullptr for any other text. Upper-casing is locale-independent, so "proton
// basic", "Proton Basic" and "PROTON BASIC" all match.
const Language* languageNamed(const QString& text);

// The language whose tables smart reading's dialect word stands for; nullptr for none.
const Language* languageForDialect(const QString& dialect);

// The message for a text that names no language.
QString unknownLanguageMessage(const QString& languageText);

// The comment marker a source text in the language is read with: the language's own, and
// "'" for a text that is no language.
QString sourceCommentMarker(const QString& languageText);

}  // namespace pixmint
