#pragma once

#include <QString>

namespace pixmint {

// The value of a text of hexadecimal digits, most significant first: "0"–"9" and the
// upper-case letters "A"–"F" only; the empty text is 0. Throws RunError 13 for any other
// character (lower-case letters, blanks, prefixes) and RunError 6 for a value beyond
// 922 337 203 685 477, the whole part of the four-decimal fixed-point type it stands for.
qint64 HexDeğeri(const QString& digits);

}  // namespace pixmint
