#include "memory_files.h"

#include "code_lines.h"
#include "written_numbers.h"

#include <algorithm>
#include <array>

namespace pixmint {
namespace {

// What each ASCII character is in a $readmem word: its digit value (0 to 15), kSeparator
// for "_", kUnknown for Verilog's x and z, kNone for any other.
constexpr signed char kSeparator = -2;
constexpr signed char kUnknown = -3;
constexpr signed char kNone = -1;

constexpr std::array<signed char, 128> kDigits = [] {
    std::array<signed char, 128> digits{};
    digits.fill(kNone);
    for (std::size_t c = 0; c < 10; ++c)
        digits['0' + c] = static_cast<signed char>(c);
    for (std::size_t c = 0; c < 6; ++c) {
        digits['a' + c] = static_cast<signed char>(10 + c);
        digits['A' + c] = static_cast<signed char>(10 + c);
    }
    digits['_'] = kSeparator;
    for (const char c : {'x', 'X', 'z', 'Z'})
        digits[static_cast<unsigned char>(c)] = kUnknown;
    return digits;
}();

signed char digitOf(QChar c)
{
    return c.unicode() < 128 ? kDigits[c.unicode()] : kNone;
}

bool isMemoryDigit(QChar c)
{
    return digitOf(c) != kNone;
}

bool isLetterDigit(QChar c)
{
    return digitOf(c) >= 10;
}

struct MemoryLook {
    bool anyWord = false;
    bool strong = false;  // a letter digit, two words on a line, or an address
    bool binary = true;   // every word of 0s and 1s, all of one length
    qsizetype length = -1;
};

// Whether a line fits a $readmem file, noting what it shows.
bool looksLikeMemoryLine(QStringView code, MemoryLook& look)
{
    int words = 0;
    bool fits = true;
    forEachMemoryWord(code, [&](QStringView word) {
        ++words;
        for (const QChar c : word) {
            if (!isMemoryDigit(c))
                fits = false;
            look.strong = look.strong || isLetterDigit(c);
            look.binary = look.binary && (c == u'0' || c == u'1' || c == u'_');
        }
        if (look.length >= 0 && look.length != word.size())
            look.binary = false;
        look.length = word.size();
    });
    const QStringView trimmed = withoutBlanks(code);
    if (trimmed.startsWith(u'@')) {
        look.strong = true;
        for (const QChar c : trimmed.sliced(1)) {
            if (!isMemoryDigit(c))
                return false;
        }
    }
    look.anyWord = look.anyWord || words > 0;
    look.strong = look.strong || words > 1;
    return fits;
}

}  // namespace

std::optional<int> memoryFileBase(QStringView text)
{
    CodeLineReader lines(text);
    CodeLine line;
    MemoryLook look;
    while (lines.next(line, LineContext::Plain)) {
        if (!line.directive.isEmpty() || line.dashComment || line.basicComment)
            return std::nullopt;
        if (!looksLikeMemoryLine(line.code, look))
            return std::nullopt;
    }
    const bool binary = look.binary && look.length >= 3;
    if (!look.anyWord || !(look.strong || binary))
        return std::nullopt;
    return binary ? 2 : 16;
}

std::optional<qint64> memoryWordValue(QStringView word, int base)
{
    if (word.isEmpty() || word.front() == u'_' || word.back() == u'_')
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : word) {
        const signed char digit = digitOf(c);
        if (digit == kSeparator)
            continue;
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = std::min(value * base + digit, kLargestWrittenNumber);
    }
    return value;
}

std::optional<int> radixBase(QStringView radix)
{
    radix = withoutBlanks(radix);
    if (radix == u"2" || radix.compare(u"BIN", Qt::CaseInsensitive) == 0)
        return 2;
    if (radix == u"8" || radix.compare(u"OCT", Qt::CaseInsensitive) == 0)
        return 8;
    if (radix == u"10" || radix.compare(u"DEC", Qt::CaseInsensitive) == 0 ||
        radix.compare(u"UNS", Qt::CaseInsensitive) == 0)
        return 10;
    if (radix == u"16" || radix.compare(u"HEX", Qt::CaseInsensitive) == 0)
        return 16;
    return std::nullopt;
}

std::optional<QStringView> headerValue(QStringView code, QStringView key)
{
    code = withoutBlanks(code);
    if (!code.startsWith(key, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView rest = withoutBlanks(code.sliced(key.size()));
    if (!rest.startsWith(u'='))
        return std::nullopt;
    return withoutBlanks(rest.sliced(1));
}

}  // namespace pixmint
