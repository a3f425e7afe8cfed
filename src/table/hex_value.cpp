#include "hex_value.h"

#include "run_error.h"

namespace pixmint {

qint64 HexDeğeri(const QString& digits)
{
    constexpr qint64 kLargest = 922337203685477LL;
    // Every character is checked before the size, so "zz…" is a type mismatch however long.
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F')))
            throw RunError(TypeMismatch);
    }
    qint64 value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        const int digit = u <= '9' ? u - '0' : u - 'A' + 10;
        if (value > (kLargest - digit) / 16)
            throw RunError(Overflow);
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace pixmint
