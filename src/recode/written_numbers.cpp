#include "written_numbers.h"

#include "hex_digits.h"
#include "single_byte_text.h"

#include <algorithm>

namespace pixmint {
namespace {

// The value of digits in a base (2 to 16); nothing when there are none or one is no digit
// of the base. A "_" may stand between digits, as Rust, Zig, Python and Verilog write them.
std::optional<qint64> digitsValue(QStringView digits, int base)
{
    if (digits.isEmpty() || digits.front() == u'_' || digits.back() == u'_')
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (c == u'_')
            continue;
        const int digit = hexDigitValue(c.unicode(), DigitCase::Any);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = std::min(value * base + digit, kLargestWrittenNumber);
    }
    return value;
}

// Digits without a type suffix of Rust or Zig (u8, i32, usize, …): the suffix begins with
// "u" or "i", neither of which is a hexadecimal digit, and is no longer than six characters.
QStringView withoutTypeSuffix(QStringView digits)
{
    const qsizetype last = digits.size() - 1;
    for (qsizetype at = last; at > 0 && at >= last - 5; --at) {
        const char16_t c = digits[at].toLower().unicode();
        if (c != u'u' && c != u'i')
            continue;
        const QStringView width = digits.sliced(at + 1);
        static const QStringView kWidths[] = {u"8", u"16", u"32", u"64", u"128", u"size"};
        for (const QStringView known : kWidths) {
            if (width.compare(known, Qt::CaseInsensitive) == 0)
                return digits.first(at);
        }
        return digits;
    }
    return digits;
}

// Digits without C's integer suffixes ("u", "l", "ul", "ull", …) or a type suffix of Rust
// or Zig.
QStringView withoutIntegerSuffix(QStringView digits)
{
    digits = withoutTypeSuffix(digits);
    for (int i = 0; i < 3 && !digits.isEmpty(); ++i) {
        const char16_t last = digits.back().toLower().unicode();
        if (last != u'u' && last != u'l')
            break;
        digits.chop(1);
    }
    return digits;
}

std::optional<WrittenNumber> inBase(QStringView digits, int base, QStringView prefix,
                                    QStringView suffix = {})
{
    const std::optional<qint64> value = digitsValue(digits, base);
    if (!value)
        return std::nullopt;
    return WrittenNumber{*value, prefix, suffix};
}

// b'0101', h'3F', d'63' in any case.
std::optional<WrittenNumber> quotedNumber(QStringView piece)
{
    if (piece.size() < 4 || piece.back() != u'\'')
        return std::nullopt;
    const char16_t letter = piece.front().toLower().unicode();
    const int base = letter == u'b' ? 2 : letter == u'h' ? 16 : letter == u'd' ? 10 : 0;
    if (base == 0)
        return std::nullopt;
    return inBase(piece.sliced(2, piece.size() - 3), base, piece.first(2), piece.last(1));
}

std::optional<WrittenNumber> characterConstant(QStringView piece);

// Rust's byte literal b'A' or b'\n': its character's code, when it is no binary number.
std::optional<WrittenNumber> byteLiteral(QStringView piece)
{
    if (piece.size() < 4 || piece.front().toLower() != u'b')
        return std::nullopt;
    return characterConstant(piece.sliced(1));
}

// The code of the character an escape such as \n, \x41 or \101 stands for.
std::optional<qint64> escapeValue(QStringView escape)
{
    if (escape.isEmpty())
        return std::nullopt;
    const QChar first = escape.front();
    if (first == u'x' || first == u'X')
        return digitsValue(escape.sliced(1), 16);
    if (first.isDigit())
        return digitsValue(escape, 8);
    if (escape.size() != 1)
        return std::nullopt;
    static const QStringView kLetters = u"ntrabfv\\'\"?";
    static const int kCodes[] = {10, 9, 13, 7, 8, 12, 11, 92, 39, 34, 63};
    const qsizetype at = kLetters.indexOf(first);
    return at < 0 ? std::nullopt : std::optional<qint64>(kCodes[at]);
}

std::optional<WrittenNumber> characterConstant(QStringView piece)
{
    if (piece.size() < 3 || piece.back() != u'\'')
        return std::nullopt;
    const QStringView inner = piece.sliced(1, piece.size() - 2);
    if (inner.front() == u'\\') {
        const std::optional<qint64> value = escapeValue(inner.sliced(1));
        if (!value)
            return std::nullopt;
        return WrittenNumber{*value, {}, {}};
    }
    if (inner.size() != 1)
        return std::nullopt;
    const QByteArray code = encodeWindows1254(inner.toString());
    return WrittenNumber{static_cast<unsigned char>(code.at(0)), {}, {}};
}

std::optional<WrittenNumber> digitLedNumber(QStringView piece)
{
    const char16_t last = piece.back().toLower().unicode();
    if (last == u'h')
        return inBase(piece.chopped(1), 16, {}, piece.last(1));
    if (piece.size() > 2 && piece[0] == u'0') {
        const char16_t mark = piece[1].toLower().unicode();
        if (mark == u'x')
            return inBase(withoutIntegerSuffix(piece.sliced(2)), 16, piece.first(2));
        if (mark == u'b')
            return inBase(withoutIntegerSuffix(piece.sliced(2)), 2, piece.first(2));
        if (mark == u'o')
            return inBase(withoutIntegerSuffix(piece.sliced(2)), 8, piece.first(2));
    }
    // 01010101b of the Z80 and x86 assemblers.
    if (last == u'b' && piece.size() > 1)
        return inBase(piece.chopped(1), 2, {}, piece.last(1));
    return inBase(withoutIntegerSuffix(piece), 10, {});
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The code of the character or escape that begins `text` and how many characters it takes;
// nothing for an escape that stands for no byte.
std::optional<std::pair<int, qsizetype>> byteOfString(QStringView text)
{
    if (text.front() != u'\\') {
        const QByteArray code = encodeWindows1254(text.first(1).toString());
        return std::pair<int, qsizetype>(static_cast<unsigned char>(code.at(0)), 1);
    }
    if (text.size() < 2)
        return std::nullopt;
    const QChar kind = text[1];
    qsizetype length = 2;
    if (kind == u'x' || kind == u'X') {
        length = 4;
    } else if (kind >= u'0' && kind <= u'7') {
        while (length < 4 && length < text.size() && text[length] >= u'0' && text[length] <= u'7')
            ++length;
    }
    if (length > text.size())
        return std::nullopt;
    const std::optional<qint64> value = escapeValue(text.sliced(1, length - 1));
    if (!value || *value > 255)
        return std::nullopt;
    return std::pair<int, qsizetype>(static_cast<int>(*value), length);
}

}  // namespace

std::optional<qint64> digitsInBase(QStringView digits, int base)
{
    return digitsValue(digits, base);
}

std::optional<QByteArray> readByteString(QStringView piece)
{
    piece = withoutBlanks(piece);
    if (piece.size() < 3 || piece.front().toLower() != u'b')
        return std::nullopt;
    const QChar quote = piece[1];
    if ((quote != u'\'' && quote != u'"') || piece.back() != quote)
        return std::nullopt;
    QStringView inner = piece.sliced(2, piece.size() - 3);
    QByteArray bytes;
    bytes.reserve(inner.size());
    while (!inner.isEmpty()) {
        if (inner.front() == quote)
            return std::nullopt;
        const std::optional<std::pair<int, qsizetype>> one = byteOfString(inner);
        if (!one)
            return std::nullopt;
        bytes.append(static_cast<char>(one->first));
        inner = inner.sliced(one->second);
    }
    return bytes;
}

QStringView withoutBlanks(QStringView piece)
{
    while (!piece.isEmpty() && (piece.front() == u' ' || piece.front() == u'\t'))
        piece = piece.sliced(1);
    while (!piece.isEmpty() && (piece.back() == u' ' || piece.back() == u'\t'))
        piece.chop(1);
    return piece;
}

std::optional<WrittenNumber> readWrittenNumber(QStringView piece)
{
    piece = withoutBlanks(piece);
    if (piece.isEmpty())
        return std::nullopt;
    const QChar first = piece.front();
    if (first == u'\'')
        return characterConstant(piece);
    // "$1F" of Motorola's and Microchip's assemblers, ">1F" of Texas Instruments'.
    if (first == u'$' || first == u'>')
        return inBase(piece.sliced(1), 16, piece.first(1));
    if (first == u'%')
        return inBase(piece.sliced(1), 2, piece.first(1));
    if (first == u'&' && piece.size() > 1) {
        const char16_t mark = piece[1].toLower().unicode();
        const int base = mark == u'h' ? 16 : mark == u'o' ? 8 : mark == u'b' ? 2 : 0;
        return base == 0 ? std::nullopt : inBase(piece.sliced(2), base, piece.first(2));
    }
    if (piece.size() > 1 && piece[1] == u'\'') {
        const std::optional<WrittenNumber> number = quotedNumber(piece);
        return number ? number : byteLiteral(piece);
    }
    // Arduino's binary constants B0 to B11111111 (binary.h).
    if (first == u'B' && piece.size() > 1 && piece.size() <= 9)
        return inBase(piece.sliced(1), 2, piece.first(1));
    if (!isAsciiDigit(first))
        return std::nullopt;
    return digitLedNumber(piece);
}

}  // namespace pixmint
