#pragma once

#include "text_lines.h"

#include <QString>
#include <QStringView>

namespace pixmint {

// One line of an include file with its comments cut: what the recognisers of smart reading
// look at.
struct CodeLine {
    int number = 0;             // from 1
    QStringView code;           // valid until the next line is read
    bool column0 = false;       // the line's first character is no blank (a label may stand there)
    bool basicComment = false;  // a "'" comment was cut from it
};

// Reads a text line by line (CR LF, LF and a lone CR end a line) and cuts the comments of
// every dialect: ";" and "//" to the end of the line, "/* */" across lines (a space stands
// in its place), and the BASIC "'" to the end of the line. A quote is no comment when it
// belongs to a number written b'…', h'…' or d'…' (any case), to a character constant such
// as '+' or '\n', or to a string "…" (whose comment markers are text too). A quote at the
// start of a line is always a comment, except inside a C initialiser, where lines may
// begin with character constants. A line whose code begins with "#" (and the lines that
// its trailing "\" continues) is left out whole.
class CodeLineReader {
public:
    explicit CodeLineReader(QStringView text) : m_lines(text) {}

    // The next line, or false at the end of the text. With insideC, a quote at the start of
    // the line may begin a character constant.
    bool next(CodeLine& line, bool insideC);

private:
    void cut(QStringView raw, bool insideC, CodeLine& line);
    // The position after the block comment the line is in, or -1 when it goes on.
    qsizetype afterBlockComment(QStringView raw, qsizetype at);
    // Keeps the code from `at` up to and with the next string, quoted number or character
    // constant, or up to a comment; the position to go on from, or -1 at the line's end.
    qsizetype keepUpToComment(QStringView raw, qsizetype at, bool insideC, bool& lineStart,
                              CodeLine& line);
    qsizetype quoteEnd(QStringView raw, qsizetype at, bool lineStart) const;

    TextLines m_lines;
    int m_number = 0;
    bool m_inBlockComment = false;
    bool m_continuedDirective = false;
    QString m_code;
};

}  // namespace pixmint
