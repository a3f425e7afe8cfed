#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pixmint {

// The one reader and writer of hexadecimal digits: the layout, the extraction, the drawing
// and the digit values all go through these.

enum class DigitCase { UpperOnly, Any };

// The value of one hexadecimal digit, or -1 for any other character. With UpperOnly the
// letters "a"–"f" are no digits.
int hexDigitValue(char16_t c, DigitCase letters = DigitCase::UpperOnly);

// The byte a text of hexadecimal digits stands for, leading zeros allowed; nothing for the
// empty text, any other character, or a value above FF.
std::optional<int> hexByte(QStringView digits, DigitCase letters = DigitCase::UpperOnly);

// Two upper-case hexadecimal digits for a value 0 to 255.
QString twoHexDigits(int value);
// Makes entry the two digits of value, in place (no allocation when entry is not shared).
void setTwoHexDigits(QString& entry, int value);

}  // namespace pixmint
