#include "code_lines.h"

namespace pixmint {
namespace {

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The characters where a comment, a string or a quoted number may begin.
bool mayOpenSomething(QChar c)
{
    return c == u';' || c == u'/' || c == u'"' || c == u'\'';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isRadixLetter(QChar c)
{
    const char16_t lower = c.toLower().unicode();
    return lower == u'b' || lower == u'h' || lower == u'd';
}

QChar firstNonBlank(QStringView raw)
{
    for (const QChar c : raw) {
        if (!isBlankChar(c))
            return c;
    }
    return {};
}

bool hasNonBlank(QStringView text)
{
    return !firstNonBlank(text).isNull();
}

bool opensSomething(QStringView raw)
{
    for (const QChar c : raw) {
        if (mayOpenSomething(c))
            return true;
    }
    return false;
}

// Where the string that opens at `at` ends: after its closing quote, or at the line's end.
qsizetype stringEnd(QStringView raw, qsizetype at)
{
    for (qsizetype i = at + 1; i < raw.size(); ++i) {
        if (raw[i] == u'\\')
            ++i;
        else if (raw[i] == u'"')
            return i + 1;
    }
    return raw.size();
}

}  // namespace

bool CodeLineReader::next(CodeLine& line, bool insideC)
{
    QStringView raw;
    if (!m_lines.next(raw))
        return false;
    line.number = ++m_number;
    cut(raw, insideC, line);
    return true;
}

void CodeLineReader::cut(QStringView raw, bool insideC, CodeLine& line)
{
    line.column0 = !raw.isEmpty() && !isBlankChar(raw.front());
    line.basicComment = false;
    line.code = {};
    if (m_continuedDirective || (!m_inBlockComment && firstNonBlank(raw) == u'#')) {
        m_continuedDirective = raw.endsWith(u'\\');
        return;
    }
    if (!m_inBlockComment && !opensSomething(raw)) {
        line.code = raw;
        return;
    }
    m_code.resize(0);
    bool lineStart = true;  // nothing but blanks kept so far
    qsizetype i = 0;
    while (i >= 0 && i < raw.size()) {
        i = m_inBlockComment ? afterBlockComment(raw, i)
                             : keepUpToComment(raw, i, insideC, lineStart, line);
    }
    line.code = m_code;
}

qsizetype CodeLineReader::afterBlockComment(QStringView raw, qsizetype at)
{
    const qsizetype close = raw.indexOf(u"*/", at);
    if (close < 0)
        return -1;
    m_inBlockComment = false;
    m_code += u' ';
    return close + 2;
}

qsizetype CodeLineReader::keepUpToComment(QStringView raw, qsizetype at, bool insideC,
                                          bool& lineStart, CodeLine& line)
{
    qsizetype run = at;
    while (run < raw.size() && !mayOpenSomething(raw[run]))
        ++run;
    const QStringView plain = raw.sliced(at, run - at);
    lineStart = lineStart && !hasNonBlank(plain);
    m_code += plain;
    if (run == raw.size())
        return -1;
    const QChar c = raw[run];
    const QChar after = run + 1 < raw.size() ? raw[run + 1] : QChar();
    if (c == u';' || (c == u'/' && after == u'/'))
        return -1;
    if (c == u'/' && after == u'*') {
        m_inBlockComment = true;
        return run + 2;
    }
    qsizetype end = run + 1;
    if (c == u'"')
        end = stringEnd(raw, run);
    if (c == u'\'') {
        end = quoteEnd(raw, run, lineStart && !insideC);
        if (end < 0) {
            line.basicComment = true;
            return -1;
        }
    }
    m_code += raw.sliced(run, end - run);
    lineStart = false;
    return end;
}

// Where the number (b'…', h'…', d'…') or character constant that begins with the quote at
// `at` ends, after its closing quote; -1 when the quote begins a comment.
qsizetype CodeLineReader::quoteEnd(QStringView raw, qsizetype at, bool lineStart) const
{
    if (lineStart)
        return -1;
    const qsizetype size = raw.size();
    const bool radix = at > 0 && isRadixLetter(raw[at - 1]) && (at < 2 || !isWordChar(raw[at - 2]));
    if (radix) {
        const qsizetype close = raw.indexOf(u'\'', at + 1);
        return close < 0 ? -1 : close + 1;
    }
    if (at + 1 < size && raw[at + 1] == u'\\') {
        // '\n', '\'', '\x41', '\101'
        const qsizetype close = raw.indexOf(u'\'', at + 3);
        return close >= 0 && close - at <= 5 ? close + 1 : -1;
    }
    if (at + 2 < size && raw[at + 2] == u'\'' && raw[at + 1] != u'\'')
        return at + 3;
    return -1;
}

}  // namespace pixmint
