#pragma once

#include "number_format.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace pixmint {

// The languages smart reading knows. Assembler of every processor is Asm; JAL's tables are
// written as C's, but with "--" comments; Mem is a file that Verilog's $readmemh or
// $readmemb reads, Coe a Xilinx and Mif an Intel memory file. Gfx is the GFXfont record of
// an Adafruit GFX font whose bitmap and glyph arrays the text holds.
enum class TableDialect {
    Asm,
    C,
    Basic,
    Numbers,
    Jal,
    Python,
    Pascal,
    Rust,
    Zig,
    Mem,
    Coe,
    Mif,
    Gfx
};

// The word of a dialect as pixmint-cli tables prints it: "asm", "c", "basic", "numbers",
// "jal", "python", "pascal", "rust", "zig", "mem", "coe", "mif", "gfx".
QString dialectWord(TableDialect dialect);

// A table that smart reading found in an include file.
struct FoundTable {
    QString name;  // the C array's name, the label or the BASIC table's name; empty: none
    TableDialect dialect = TableDialect::Numbers;
    int line = 0;         // the line of its first number, from 1
    qsizetype count = 0;  // how many of its pieces are numbers
    QByteArray bytes;     // the values of its numbers, as long as each is a byte
    QString notByte;      // the first piece that is no number or lies beyond 0 to 255
    QString dataWord;     // "retlw", ".db", "CData" as written; "NAME[]=" for C; or empty
    QString prefix;       // the first number's prefix as written ("0x", "$", "b'") or empty
    QString suffix;       // the first number's suffix as written ("'", "h") or empty
    // What the reader could not decide and read one way, one message a line: a condition of
    // the preprocessor inside the initialiser, read as "#if 0" would be.
    QStringList warnings;
    // Kept for the font recognisers only: every number of a GFXglyph array as read (its
    // offsets do not fit a byte), and the pieces of a GFXfont record as written.
    QList<int> values;
    QStringList pieces;
    // A cell font: the glyph size the text states for the byte table (its name, a comment
    // before it, or leading size numbers, which glyphSkip counts), that divides the table;
    // empty when none is stated. glyphFirst is the first glyph's code when the text states it.
    QSize glyphCell;
    int glyphSkip = 0;
    int glyphFirst = -1;
    // A table joined from labelled parts: each part's label and its numbers' place in the
    // table, in the table's order; empty for a table of one part. A part stays choosable by
    // its label.
    struct Part {
        QString name;
        qsizetype first = 0;
        qsizetype count = 0;
    };
    QList<Part> parts;

    bool isBytes() const { return notByte.isEmpty(); }
    // The name, or "-" for a table that has none.
    QString shownName() const;
};

// Finds the tables of a text written by anyone, in file order, and takes only their numbers:
// C initialisers NAME[…]… = { … } (sizes, qualifiers and attributes anywhere in the head,
// inner braces flattened); runs of assembler data lines (dt, retlw, db, .db, de, data,
// .byte after an optional label) named by the label that opens them, the labelled parts of
// a split table joined; BASIC Table NAME … End Table and runs of CData/Data lines (",_"
// continues a line); runs of lines that hold nothing but numbers. Blank and comment-only
// lines may stand inside a run. Comments of every dialect and "#" lines are left out first;
// numbers are read in their own base.
QList<FoundTable> findTables(QStringView text);

// Which table to take: the largest byte table, every byte table, or one by its index in
// file order or its name.
struct TableChoice {
    enum class Kind { Largest, All, Index, Name };
    Kind kind = Kind::Largest;
    qsizetype index = -1;
    QString name;  // the name, or the index as the user wrote it
};

// The choice a text names: "all", an index written in decimal digits, or a name.
TableChoice tableChoiceFrom(const QString& text);

// The chosen table's numbers, or why none were taken.
struct ChosenTable {
    QStringList entries;   // two upper-case hexadecimal digits each
    QString failure;       // a message when nothing was taken
    QString leftOut;       // with all: a message naming the tables that are not bytes
    qsizetype first = -1;  // the table whose format the source group shows; -1: none
    QStringList warnings;  // of the tables taken: "Tablo NAME: …", one for each
};

// Takes the numbers of the chosen table(s). The largest: the byte table with the most
// numbers, the first on a tie. All: every byte table in file order. A name that no table
// has but a part of a joined table does takes that part. A chosen table that is not bytes,
// a choice that names no table, and a text without tables take nothing.
ChosenTable chooseTable(const QList<FoundTable>& tables, const TableChoice& choice);

// The index of the largest byte table; when no table is bytes, the largest table; -1 when
// there is none.
qsizetype largestTable(const QList<FoundTable>& tables);

// The warnings of a table as one message: "Tablo NAME: …"; empty when it has none.
QString warningsMessage(const FoundTable& table);

// The messages of smart reading.
QString noTableMessage();                          // "Tablo bulunamadı."
QString notBytesMessage(const FoundTable& table);  // "Tablo NAME bayt tablosu değil: …"

// The source group for a table: the language of its dialect with that language's presets
// (a table of bare numbers, or of a language the program does not write, keeps the current
// language), then its data word as the command and its first number's prefix and suffix.
NumberFormat withTableFormat(NumberFormat current, const FoundTable& table);

}  // namespace pixmint
