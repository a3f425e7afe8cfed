#pragma once

#include "text_lines.h"

#include <QString>
#include <QStringView>

namespace pixmint {

// What the reader knows of the line it cuts, from the table the scanner has open: the
// comment markers differ from one language to the next.
enum class LineContext {
    Plain,   // no table open, or one whose language has no markers of its own
    C,       // inside a C initialiser: a quote at the start of a line is a character constant
    Basic,   // BASIC: "'" always opens a comment (b'…', h'…', d'…' numbers aside)
    Python,  // Python: "#" opens a comment; quotes are strings, b'…' too
    Pascal,  // Pascal: "{ }" and "(* *)" are comments, across lines too
};

// One line of an include file with its comments cut: what the recognisers of smart reading
// look at.
struct CodeLine {
    int number = 0;             // from 1
    QStringView code;           // valid until the next line is read
    bool column0 = false;       // the line's first character is no blank (a label may stand there)
    bool basicComment = false;  // a "'" comment was cut from it
    bool dashComment = false;   // the line's code begins with a "--" comment
    bool cComment = false;      // a "//" or "/*" comment was cut from it
    bool semicolonCut = false;  // it was cut at a ";"
    // A line of a "#" directive as written (comments and all), and whether it is the first
    // line of the directive; the lines that a trailing "\" continues follow with false.
    bool isDirective = false;
    bool directiveStart = false;
    QStringView directive;
};

// Reads a text line by line (CR LF, LF and a lone CR end a line) and cuts the comments of
// every dialect: ";" (but between brackets "[ ]" of the line), "//" and "--" to the end of
// the line, "/* */" across lines (a space
// stands in its place), and the BASIC "'" to the end of the line; the context adds the
// markers of its language. A quote is no comment when it belongs to a number written b'…',
// h'…' or d'…' (any case), to a character constant such as '+' or '\n', or to a string "…"
// (whose comment markers are text too). A quote at the start of a line is always a comment,
// except inside a C initialiser, where lines may begin with character constants. A line
// whose code begins with "#" (and the lines that its trailing "\" continues) gives no code:
// it is handed over as a directive.
class CodeLineReader {
public:
    explicit CodeLineReader(QStringView text) : m_lines(text) {}

    // The next line, or false at the end of the text.
    bool next(CodeLine& line, LineContext context);
    // Cuts the line last read again in another context, as if it had been read in it.
    void recut(CodeLine& line, LineContext context);

private:
    void cut(QStringView raw, LineContext context, CodeLine& line);
    // The position after the block comment the line is in, or -1 when it goes on.
    qsizetype afterBlockComment(QStringView raw, qsizetype at);
    // Keeps the code from `at` up to and with the next string, quoted number or character
    // constant, or up to a comment; the position to go on from, or -1 at the line's end.
    qsizetype keepUpToComment(QStringView raw, qsizetype at, LineContext context, bool& lineStart,
                              CodeLine& line);
    // Where a Pascal comment that opens at `at` ends (after it), or -1 at the line's end.
    qsizetype pascalCommentEnd(QStringView raw, qsizetype at);
    qsizetype quoteEnd(QStringView raw, qsizetype at, bool lineStart, LineContext context) const;

    TextLines m_lines;
    int m_number = 0;
    QStringView m_raw;  // the line last read
    // The state of block comments before and after the line last read.
    QChar m_blockCloser;  // '/' for "*/", '}' and ')' for Pascal's; null outside a comment
    QChar m_blockCloserBefore;
    bool m_continuedDirective = false;
    bool m_continuedDirectiveBefore = false;
    // Brackets "[" open in the code kept so far, and where the line's last "]" stands: a ";"
    // between them is Rust's "[u8; 80]", no comment.
    int m_bracketDepth = 0;
    qsizetype m_lastCloseBracket = -1;
    QString m_code;
};

}  // namespace pixmint
