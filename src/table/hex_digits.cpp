#include "hex_digits.h"

#include "run_error.h"

namespace pixmint {
namespace {

constexpr char16_t kDigits[] = u"0123456789ABCDEF";

}  // namespace

int hexDigitValue(char16_t c, DigitCase letters)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (letters == DigitCase::Any && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

std::optional<int> hexByte(QStringView digits, DigitCase letters)
{
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigitValue(c.unicode(), letters);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        // Leading zeros keep the value small; anything past FF is no byte.
        if (value > 255)
            return std::nullopt;
    }
    return value;
}

QString twoHexDigits(int value)
{
    const QChar pair[2] = {QChar(kDigits[(value >> 4) & 0xF]), QChar(kDigits[value & 0xF])};
    return QString(pair, 2);
}

void setTwoHexDigits(QString& entry, int value)
{
    entry.resize(2);
    entry[0] = QChar(kDigits[(value >> 4) & 0xF]);
    entry[1] = QChar(kDigits[value & 0xF]);
}

}  // namespace pixmint
