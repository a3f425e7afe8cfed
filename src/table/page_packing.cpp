#include "page_packing.h"

#include "event_yield.h"
#include "hex_digits.h"
#include "run_error.h"

#include <cmath>
#include <limits>

namespace pixmint {

void BaytlaraÇevir(const PixelGrid& grid, QStringList& table, EventYield& yield)
{
    if (grid.isEmpty())
        throw RunError(IndexOutOfRange);
    const int width = grid.width();
    const int height = grid.height();
    const int pages = (height + 7) / 8;
    QStringList packed;
    packed.reserve(static_cast<qsizetype>(width) * pages);
    for (int page = 0; page < pages; ++page) {
        const int top = page * 8;
        const int rows = std::min(8, height - top);
        for (int x = 0; x < width; ++x) {
            int value = 0;
            for (int j = 0; j < rows; ++j) {
                if (grid.at(x, top + j))
                    value |= 1 << j;
                yield.tick();
            }
            packed.append(twoHexDigits(value));
        }
    }
    table = std::move(packed);
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

}  // namespace pixmint
