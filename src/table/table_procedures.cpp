#include "table_procedures.h"

#include "byte_layout.h"
#include "event_yield.h"
#include "hex_digits.h"
#include "run_error.h"

#include <cmath>
#include <limits>

namespace pixmint {

void BaytlaraÇevir(const PixelGrid& grid, QStringList& table, EventYield& yield)
{
    packBytes(grid, ByteLayout::PagesLsbTop, table, yield);
}

void BaytlaraÇevir(const PixelGrid& grid, QStringList& table)
{
    EventYield none;
    BaytlaraÇevir(grid, table, none);
}

double BinDeğeri(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.size() > std::numeric_limits<qint16>::max())
        throw RunError(Overflow);
    double sum = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw RunError(TypeMismatch);
        sum = sum * 2 + (c.unicode() - '0');
    }
    if (!std::isfinite(sum))
        throw RunError(Overflow);
    return sum;
}

qint64 HexDeğeri(const QString& digits)
{
    constexpr qint64 kLargest = 922337203685477LL;
    // Every character is checked before the size, so "zz…" is a type mismatch however long.
    for (const QChar c : digits) {
        if (hexDigitValue(c.unicode()) < 0)
            throw RunError(TypeMismatch);
    }
    qint64 value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigitValue(c.unicode());
        if (value > (kLargest - digit) / 16)
            throw RunError(Overflow);
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace pixmint
