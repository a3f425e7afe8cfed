#include "code_lines.h"

#include <array>

namespace pixmint {
namespace {

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The characters where a comment, a string or a quoted number may begin.
bool mayOpenSomething(QChar c, LineContext context)
{
    switch (c.unicode()) {
    case u';':
    case u'/':
    case u'"':
    case u'\'':
    case u'-':
        return true;
    case u'#':
        return context == LineContext::Python;
    case u'{':
    case u'(':
        return context == LineContext::Pascal;
    default:
        return false;
    }
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

bool opensSomething(QStringView raw, LineContext context)
{
    // The markers of every context; the context's own check follows for those found.
    static constexpr auto kMarks = [] {
        std::array<bool, 128> marks{};
        for (const char mark : {';', '/', '"', '\'', '-', '#', '{', '('})
            marks[static_cast<unsigned char>(mark)] = true;
        return marks;
    }();
    for (const QChar c : raw) {
        if (c.unicode() < 128 && kMarks[c.unicode()] && mayOpenSomething(c, context))
            return true;
    }
    return false;
}

// Where the quoted text that opens at `at` ends: after its closing quote (the same character,
// a backslash escaping the next one), or -1 when the line ends first.
qsizetype escapedQuoteEnd(QStringView raw, qsizetype at)
{
    const QChar quote = raw[at];
    for (qsizetype i = at + 1; i < raw.size(); ++i) {
        if (raw[i] == u'\\')
            ++i;
        else if (raw[i] == quote)
            return i + 1;
    }
    return -1;
}

}  // namespace

bool CodeLineReader::next(CodeLine& line, LineContext context)
{
    QStringView raw;
    if (!m_lines.next(raw))
        return false;
    m_blockCloserBefore = m_blockCloser;
    m_continuedDirectiveBefore = m_continuedDirective;
    m_raw = raw;
    line.number = ++m_number;
    cut(m_raw, context, line);
    return true;
}

void CodeLineReader::recut(CodeLine& line, LineContext context)
{
    m_blockCloser = m_blockCloserBefore;
    m_continuedDirective = m_continuedDirectiveBefore;
    cut(m_raw, context, line);
}

void CodeLineReader::cut(QStringView raw, LineContext context, CodeLine& line)
{
    line.column0 = !raw.isEmpty() && !isBlankChar(raw.front());
    line.basicComment = false;
    line.dashComment = false;
    line.cComment = false;
    line.semicolonCut = false;
    line.code = {};
    line.directive = {};
    line.isDirective = false;
    line.directiveStart = false;
    if (m_continuedDirective || (m_blockCloser.isNull() && firstNonBlank(raw) == u'#')) {
        line.isDirective = true;
        line.directiveStart = !m_continuedDirective;
        line.directive = raw;
        m_continuedDirective = raw.endsWith(u'\\');
        return;
    }
    if (m_blockCloser.isNull() && !opensSomething(raw, context)) {
        line.code = raw;
        return;
    }
    m_code.resize(0);
    m_bracketDepth = 0;
    m_lastCloseBracket = raw.lastIndexOf(u']');
    bool lineStart = true;  // nothing but blanks kept so far
    qsizetype i = 0;
    while (i >= 0 && i < raw.size()) {
        i = !m_blockCloser.isNull() ? afterBlockComment(raw, i)
                                    : keepUpToComment(raw, i, context, lineStart, line);
    }
    line.code = m_code;
}

qsizetype CodeLineReader::afterBlockComment(QStringView raw, qsizetype at)
{
    const QStringView closer = m_blockCloser == u'/'   ? QStringView(u"*/")
                               : m_blockCloser == u'}' ? QStringView(u"}")
                                                       : QStringView(u"*)");
    const qsizetype close = raw.indexOf(closer, at);
    if (close < 0)
        return -1;
    m_blockCloser = QChar();
    m_code += u' ';
    return close + closer.size();
}

qsizetype CodeLineReader::keepUpToComment(QStringView raw, qsizetype at, LineContext context,
                                          bool& lineStart, CodeLine& line)
{
    qsizetype run = at;
    while (run < raw.size() && !mayOpenSomething(raw[run], context))
        ++run;
    const QStringView plain = raw.sliced(at, run - at);
    lineStart = lineStart && !hasNonBlank(plain);
    m_code += plain;
    for (const QChar ch : plain) {
        if (ch == u'[')
            ++m_bracketDepth;
        else if (ch == u']' && m_bracketDepth > 0)
            --m_bracketDepth;
    }
    if (run == raw.size())
        return -1;
    const QChar c = raw[run];
    const QChar after = run + 1 < raw.size() ? raw[run + 1] : QChar();
    if (c == u';' && m_bracketDepth > 0 && run < m_lastCloseBracket) {
        // Rust's "[u8; 80]": the ";" stands between brackets that close later on the line.
        m_code += c;
        lineStart = false;
        return run + 1;
    }
    if (c == u';' || (c == u'/' && after == u'/') || (c == u'#')) {
        line.semicolonCut = c == u';';
        line.cComment = c == u'/';
        return -1;
    }
    if (c == u'-' && after == u'-') {
        line.dashComment = lineStart;
        return -1;
    }
    if (c == u'/' && after == u'*') {
        line.cComment = true;
        m_blockCloser = u'/';
        return run + 2;
    }
    if (c == u'{' || (c == u'(' && after == u'*')) {
        m_blockCloser = c == u'{' ? u'}' : u')';
        return run + (c == u'{' ? 1 : 2);
    }
    qsizetype end = run + 1;
    if (c == u'"') {
        end = escapedQuoteEnd(raw, run);
        if (end < 0)
            end = raw.size();
    }
    if (c == u'\'') {
        end = quoteEnd(raw, run, lineStart && context != LineContext::C, context);
        if (end < 0) {
            line.basicComment = true;
            return -1;
        }
    }
    m_code += raw.sliced(run, end - run);
    lineStart = false;
    return end;
}

// Where the number (b'…', h'…', d'…'), character constant or Python string that begins with
// the quote at `at` ends, after its closing quote; -1 when the quote begins a comment.
qsizetype CodeLineReader::quoteEnd(QStringView raw, qsizetype at, bool lineStart,
                                   LineContext context) const
{
    if (context == LineContext::Python) {
        const qsizetype end = escapedQuoteEnd(raw, at);
        return end < 0 ? raw.size() : end;
    }
    if (lineStart)
        return -1;
    const qsizetype size = raw.size();
    const bool radix = at > 0 && isRadixLetter(raw[at - 1]) && (at < 2 || !isWordChar(raw[at - 2]));
    if (radix) {
        // b'…' may be a byte string of Python or Rust, whose escapes hide quotes.
        const qsizetype close = raw[at - 1].toLower() == u'b' ? escapedQuoteEnd(raw, at) - 1
                                                              : raw.indexOf(u'\'', at + 1);
        return close < 0 ? -1 : close + 1;
    }
    if (context == LineContext::Basic)
        return -1;
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
