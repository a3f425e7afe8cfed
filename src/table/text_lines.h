#pragma once

#include <QStringView>

#include <algorithm>

namespace pixmint {

// Splits a text into its lines, as every reader of the program does: CR LF, LF and a lone CR
// each end a line. The empty text is one empty line; a text that ends with a line end has
// no empty line after it.
class TextLines {
public:
    explicit TextLines(QStringView text) : m_text(text) {}

    // The next line without its line end, or false after the last.
    bool next(QStringView& line)
    {
        const qsizetype size = m_text.size();
        if (m_position > size || (m_position == size && m_started))
            return false;
        m_started = true;
        const QChar* data = m_text.data();
        const qsizetype start = m_position;
        qsizetype end = start;
        while (end < size && data[end] != u'\r' && data[end] != u'\n')
            ++end;
        m_position = end + 1;
        if (end < size && data[end] == u'\r' && m_position < size && data[m_position] == u'\n')
            ++m_position;
        line = m_text.sliced(start, end - start);
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_position = 0;
    bool m_started = false;
};

// The length of the longest line of the text.
inline qsizetype longestLine(QStringView text)
{
    TextLines lines(text);
    qsizetype longest = 0;
    QStringView line;
    while (lines.next(line))
        longest = std::max(longest, line.size());
    return longest;
}

}  // namespace pixmint
