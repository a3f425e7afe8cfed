#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pixmint {

// The heads of the tables of the languages that write them with brackets: each takes the
// text before the bracket that opens the table (the head may span lines) and gives the
// table's name when the head is one.

// C: the record of an Adafruit GFX font, "const GFXfont NAME PROGMEM =" (the text before
// "{"): the word GFXfont, then the name, then qualifiers or attributes.
std::optional<QString> gfxRecordName(QStringView head);

// Zig: "const NAME = [_]u8{", "var NAME: [4]u8 = [4]u8{", "const NAME: [4]u8 = .{" (the
// text before "{").
std::optional<QString> zigTableName(QStringView head);

// Rust: "static NAME: [u8; 80] = [", "pub const NAME: &[u8] = &[" (the text before "[").
std::optional<QString> rustTableName(QStringView head);

// Pascal: "NAME: array[0..95] of byte = (", "NAME : packed array [0..7, 0..4] of Byte =
// (" (the text before "(").
std::optional<QString> pascalTableName(QStringView head);

// Python: "NAME = bytearray(…", "NAME = bytes(…", "NAME = [ …", "NAME = ( …",
// "NAME = b'…'" and "NAME =\" before a line of byte strings.
struct PythonHead {
    enum class Kind {
        Call,         // bytearray( / bytes( / memoryview(: its arguments are the table
        Bracket,      // [ or (: a list of numbers
        ByteStrings,  // byte strings, lines joined by a trailing "\"
        Pending,      // "NAME =\": a line of byte strings should follow
    };
    QString name;
    Kind kind = Kind::Bracket;
    qsizetype opener = -1;  // where the table's first bracket or byte string stands in the line
};
std::optional<PythonHead> pythonHead(QStringView code);

}  // namespace pixmint
