// Typed numbers, hexadecimal and binary digit texts and target sizes from any text, read
// both as Latin-1 and as UTF-8.

#include "fuzz_support.h"
#include "hex_digits.h"
#include "number_reading.h"
#include "picture_road.h"
#include "run_error.h"
#include "table_procedures.h"

#include <cmath>
#include <cstring>
#include <limits>

using pixmint_fuzz::check;

namespace {

void checkWholeNumber(const QString& text)
{
    const std::optional<int> value = pixmint::readWholeNumber(text);
    if (!value)
        return;
    // A fraction rounds by at most one away from the number the text starts with.
    const qint64 leading = pixmint::leadingNumber(text);
    check(leading - 1 <= *value && *value <= leading + 1, "rounding moves by at most one");
    check(pixmint::readWholeNumber(QString::number(*value)) == value, "a read number reads back");
}

void checkHex(const QString& text)
{
    qint64 value = -1;
    try {
        value = pixmint::HexDeğeri(text);
    } catch (const pixmint::RunError& error) {
        check(error.number() == pixmint::TypeMismatch || error.number() == pixmint::Overflow,
              "hexadecimal digits fail with 13 or 6");
        return;
    }
    check(value >= 0, "a hexadecimal value is not negative");
    QString significant = text;
    while (significant.startsWith(u'0'))
        significant.remove(0, 1);
    check(QString::number(value, 16).toUpper() ==
              (significant.isEmpty() ? QStringLiteral("0") : significant),
          "a hexadecimal value gives its digits back");
}

void checkBinary(const QString& text)
{
    try {
        const double value = pixmint::BinDeğeri(text);
        check(std::isfinite(value) && value >= 0, "a binary value is finite and not negative");
    } catch (const pixmint::RunError& error) {
        check(error.number() == pixmint::TypeMismatch || error.number() == pixmint::Overflow,
              "binary digits fail with 13 or 6");
    }
}

void checkSize(const QString& widthText, const QString& heightText)
{
    const qint64 width = pixmint::leadingNumber(widthText);
    const qint64 height = pixmint::leadingNumber(heightText);
    const bool fits = width >= 1 && width <= 16384 && height >= 1 && height <= 16384 &&
                      width * height <= 16'777'216;
    check(fits == !pixmint::targetSizeProblem(width, height).has_value(), "the size limits");
}

void checkText(const QString& text)
{
    checkWholeNumber(text);
    checkHex(text);
    checkBinary(text);
    const qsizetype half = text.size() / 2;
    checkSize(text.left(half), text.mid(half));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = pixmint_fuzz::bytesOf(data, size);
    checkText(QString::fromLatin1(bytes));
    checkText(QString::fromUtf8(bytes));

    // Any 32-bit number, written and read back, with a fraction that rounds it away.
    if (size >= 4) {
        std::int32_t n = 0;
        std::memcpy(&n, data, sizeof n);
        check(pixmint::readWholeNumber(QString::number(n)) == n, "a written number reads back");
        check(pixmint::leadingNumber(QString::number(n)) == n, "a written number starts a text");
        const QString half = QString::number(n) + QStringLiteral(".5");
        const std::optional<int> rounded = pixmint::readWholeNumber(half);
        const qint64 even = (n % 2 == 0) ? qint64(n) : (n < 0 ? qint64(n) - 1 : qint64(n) + 1);
        if (even >= std::numeric_limits<int>::min() && even <= std::numeric_limits<int>::max())
            check(rounded == int(even), "a half rounds to even");
        else
            check(!rounded, "a half that rounds out of range reads as nothing");
    }
    return 0;
}
