#pragma once

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
// "&H…", "h'…'" and a digit-led "…h" hexadecimal; "0b…", "b'…'" and "%…" binary; "d'…'"
// and plain digits decimal (any letter case); Arduino's B0 to B11111111 binary. C's integer suffixes (u, l) may follow "0x",
// "0b" and plain digits. A character constant such as '+' or '\n' is its character's code
// (Windows-1254). Nothing for any other piece.
std::optional<WrittenNumber> readWrittenNumber(QStringView piece);

// The piece without the TABs and spaces at its ends.
QStringView withoutBlanks(QStringView piece);

}  // namespace pixmint
