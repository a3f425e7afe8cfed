#include "number_reading.h"

#include <limits>

namespace pixmint {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

std::optional<int> readWholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');
    const qsizetype digitsStart = i;
    qint64 whole = 0;
    bool tooLarge = false;
    for (; i < t.size() && isDigit(t[i]); ++i) {
        whole = whole * 10 + (t[i].unicode() - '0');
        if (whole > (qint64(1) << 32))
            tooLarge = true, whole = qint64(1) << 32;
    }
    bool hasDigits = i > digitsStart;
    // The fraction: only its first digit and whether anything non-zero follows matter.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (i < t.size() && (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(','))) {
        ++i;
        const qsizetype fractionStart = i;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            if (i == fractionStart)
                firstFractionDigit = t[i].unicode() - '0';
            else if (t[i] != QLatin1Char('0'))
                restNonZero = true;
        }
        hasDigits = hasDigits || i > fractionStart;
    }
    if (!hasDigits || i != t.size() || tooLarge)
        return std::nullopt;
    const bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero) ||
                         (firstFractionDigit == 5 && !restNonZero && (whole % 2) == 1);
    if (roundUp)
        ++whole;
    const qint64 value = negative ? -whole : whole;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

qint64 leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    constexpr qint64 kLimit = std::numeric_limits<qint64>::max() / 10 - 9;
    qint64 value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (value < kLimit)
            value = value * 10 + (text[i].unicode() - '0');
    }
    return negative ? -value : value;
}

std::optional<int> plainWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace pixmint
