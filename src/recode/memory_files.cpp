#include "memory_files.h"

#include "code_lines.h"
#include "written_numbers.h"

namespace pixmint {
namespace {

bool isMemoryDigit(QChar c)
{
    const char16_t lower = c.toLower().unicode();
    return (lower >= u'0' && lower <= u'9') || (lower >= u'a' && lower <= u'f') || lower == u'_' ||
           lower == u'x' || lower == u'z';
}

bool isLetterDigit(QChar c)
{
    const char16_t lower = c.toLower().unicode();
    return lower >= u'a' && lower <= u'f';
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
    return digitsInBase(word, base);
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
