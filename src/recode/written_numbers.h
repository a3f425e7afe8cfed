#pragma once

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace pixmint {

// A number as a person writes it in an include file.
struct WrittenNumber {
    qint64 value = 0;    // values beyond kLargestWrittenNumber are held as that
    QStringView prefix;  // as written: "0x", "$", "&H", "h'", "0b", "b'", "%", "d'" or empty
    QStringView suffix;  // as written: "'" after a quoted form, "h" after a digit-led one
};

constexpr qint64 kLargestWrittenNumber = qint64(1) << 40;

// Reads one piece (blanks at its ends ignored) as a number in its own base: "0x…", "$…",
// ">…", "&H…", "h'…'" and a digit-led "…h" hexadecimal; "0b…", "b'…'", "%…", "&B…" and a
// digit-led "…b" of 0s and 1s binary; "0o…" and "&O…" octal; "d'…'" and plain digits
// decimal (any letter case); Arduino's B0 to B11111111 binary. C's integer suffixes (u, l)
// and the type suffixes of Rust and Zig (u8, i16, usize, …) may follow "0x", "0b", "0o" and
// plain digits, and "_" may stand between digits. A character constant such as '+' or
// '\n', and a byte literal b'+' of Rust, is its character's code (Windows-1254). Nothing for
// any other piece.
std::optional<WrittenNumber> readWrittenNumber(QStringView piece);

// The value of digits in a base from 2 to 16 ("_" between digits allowed), or nothing when
// there are none or one is no digit of the base. Values beyond kLargestWrittenNumber are
// held as that.
std::optional<qint64> digitsInBase(QStringView digits, int base);

// The bytes of a byte string of Python or Rust, b'…' or b"…" (prefix in any case): each
// printable character is its code (Windows-1254), and the escapes \xHH, \ooo, \n, \t, \r,
// \0, \a, \b, \f, \v, \\, \' and \" are the bytes they stand for. Nothing for any other
// piece, or for an escape that stands for no byte.
std::optional<QByteArray> readByteString(QStringView piece);

// The piece without the TABs and spaces at its ends.
QStringView withoutBlanks(QStringView piece);

}  // namespace pixmint
