#include "table_scanner.h"

#include "written_numbers.h"

#include <algorithm>
#include <optional>

namespace pixmint {
namespace {

// The head of a C initialiser rarely spans more than a few lines; what lies further back
// can name no table.
constexpr qsizetype kHeadKept = 512;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The next word of rest (blanks before it skipped): it ends at a blank or just after a
// colon. rest keeps what follows.
QStringView takeWord(QStringView& rest)
{
    qsizetype start = 0;
    while (start < rest.size() && isBlank(rest[start]))
        ++start;
    qsizetype end = start;
    while (end < rest.size() && !isBlank(rest[end])) {
        if (rest[end++] == u':')
            break;
    }
    const QStringView word = rest.sliced(start, end - start);
    rest = rest.sliced(end);
    return word;
}

bool isDataWord(QStringView word)
{
    static const QStringView kWords[] = {u"dt", u"retlw", u"db",    u".db",
                                         u"de", u"data",  u".byte", u"cdata"};
    for (const QStringView known : kWords) {
        if (word.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isLabelWord(QStringView word)
{
    if (word.endsWith(u':'))
        word.chop(1);
    if (word.isEmpty() || word.front().isDigit())
        return false;
    for (const QChar c : word) {
        if (!isNameChar(c) && c != u'.' && c != u'?' && c != u'@')
            return false;
    }
    return true;
}

QStringView withoutColon(QStringView label)
{
    return label.endsWith(u':') ? label.chopped(1) : label;
}

// The operands of a data line begin as a number, a string or a symbol does: "db = 5" and
// "data[i] = x" are C statements, not data.
bool beginsOperands(QStringView operands)
{
    const QStringView text = withoutBlanks(operands);
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c.isLetterOrNumber() || QStringView(u"$%&'\"-+._").contains(c);
}

struct DataLineParts {
    QStringView label;
    QStringView word;
    QStringView operands;
};

// A line whose first word after an optional label is a data word.
std::optional<DataLineParts> dataLineParts(const CodeLine& line)
{
    QStringView rest = line.code;
    DataLineParts parts;
    parts.word = takeWord(rest);
    if (!isDataWord(parts.word)) {
        const bool label = isLabelWord(parts.word) && (line.column0 || parts.word.endsWith(u':'));
        if (!label)
            return std::nullopt;
        parts.label = withoutColon(parts.word);
        parts.word = takeWord(rest);
        if (!isDataWord(parts.word))
            return std::nullopt;
    }
    if (!beginsOperands(rest))
        return std::nullopt;
    parts.operands = rest;
    return parts;
}

// The label that a line which is no data line gives the table after it: a word ending in a
// colon, or a word alone at the start of a line.
QStringView labelOf(const CodeLine& line)
{
    QStringView rest = line.code;
    const QStringView word = takeWord(rest);
    if (!isLabelWord(word))
        return {};
    if (word.endsWith(u':') || (line.column0 && withoutBlanks(rest).isEmpty()))
        return withoutColon(word);
    return {};
}

// Where the quoted text that opens at `at` ends, after its closing quote or at the end.
qsizetype quotedEnd(QStringView code, qsizetype at)
{
    const QChar quote = code[at];
    for (qsizetype i = at + 1; i < code.size(); ++i) {
        if (code[i] == u'\\')
            ++i;
        else if (code[i] == quote)
            return i + 1;
    }
    return code.size();
}

// Where the last blank-separated word of a text begins.
qsizetype lastWordStart(QStringView text)
{
    qsizetype start = text.size();
    while (start > 0 && isBlank(text[start - 1]))
        --start;
    while (start > 0 && !isBlank(text[start - 1]))
        --start;
    return start;
}

// The start of the "[…]" groups that end at `close` (blanks between them allowed).
qsizetype bracketsStart(QStringView text, qsizetype close)
{
    qsizetype open = -1;
    while (close >= 0 && text[close] == u']') {
        open = text.lastIndexOf(u'[', close);
        if (open < 0)
            return -1;
        close = open - 1;
        while (close >= 0 && isBlank(text[close]))
            --close;
    }
    return open;
}

// The name in a declaration macro such as "GLCDFONTDECL(NAME)", the whole declarator.
std::optional<QString> macroDeclaredName(QStringView text)
{
    text = withoutBlanks(text);
    const qsizetype open = text.indexOf(u'(');
    if (open <= 0 || !text.endsWith(u')') || !isNameChar(text[open - 1]))
        return std::nullopt;
    const QStringView name = withoutBlanks(text.sliced(open + 1, text.size() - open - 2));
    if (name.isEmpty() || name.front().isDigit() ||
        !std::all_of(name.begin(), name.end(), isNameChar))
        return std::nullopt;
    return name.toString();
}

// The name of a C initialiser whose head (the text before its "{") is "NAME[…]… =": sizes,
// and qualifiers or attributes before or after them, may stand there; or a declaration
// macro "DECL(NAME) =".
std::optional<QString> initialiserName(QStringView head)
{
    QStringView text = withoutBlanks(head);
    if (!text.endsWith(u'=') || text.size() < 2 ||
        QStringView(u"=!<>").contains(text[text.size() - 2]))
        return std::nullopt;
    text.chop(1);
    text = text.sliced(text.lastIndexOf(u'=') + 1);
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 0)
        return macroDeclaredName(text.sliced(lastWordStart(text)));
    qsizetype end = bracketsStart(text, close);
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    qsizetype start = end;
    while (start > 0 && isNameChar(text[start - 1]))
        --start;
    if (start == end || text[start].isDigit())
        return std::nullopt;
    return text.sliced(start, end - start).toString();
}

// Whether every piece of a comma list (empty pieces aside) is a number, and one at least.
bool holdsOnlyNumbers(QStringView list)
{
    bool any = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= list.size(); ++i) {
        if (i < list.size() && list[i] != u',')
            continue;
        const QStringView piece = withoutBlanks(list.sliced(start, i - start));
        if (!piece.isEmpty()) {
            if (!readWrittenNumber(piece))
                return false;
            any = true;
        }
        start = i + 1;
    }
    return any;
}

}  // namespace

QList<FoundTable> TableScanner::run()
{
    CodeLine line;
    while (m_lines.next(line, m_mode == Mode::C))
        readLine(line);
    endTable();
    // "Data" serves both assembler and BASIC; a text with signs of BASIC is BASIC.
    for (FoundTable& table : m_tables) {
        if (m_basicSeen && table.dataWord.compare(u"data", Qt::CaseInsensitive) == 0)
            table.dialect = TableDialect::Basic;
    }
    return std::move(m_tables);
}

void TableScanner::readLine(const CodeLine& line)
{
    m_basicSeen = m_basicSeen || line.basicComment;
    if (m_mode == Mode::C) {
        readC(line.code, line.number);
        return;
    }
    if (m_mode == Mode::BasicTable) {
        readBasicTableLine(line);
        return;
    }
    // Blank and comment-only lines neither end a run nor forget a label.
    if (withoutBlanks(line.code).isEmpty())
        return;
    if (m_mode == Mode::DataRun && m_continued) {
        readOperands(line.code, line.number);
        return;
    }
    if (opensC(line) || opensBasicTable(line) || readsDataLine(line) || readsNumbersLine(line))
        return;
    readOther(line);
}

void TableScanner::readOther(const CodeLine& line)
{
    endTable();
    m_pendingLabel = labelOf(line).toString();
    appendHead(line.code);
}

void TableScanner::appendHead(QStringView code)
{
    const qsizetype brace = std::max(code.lastIndexOf(u'{'), code.lastIndexOf(u'}'));
    if (brace >= 0) {
        m_head = code.sliced(brace + 1).toString();
        return;
    }
    m_head += u' ';
    m_head += code;
    if (m_head.size() > 2 * kHeadKept)
        m_head = m_head.last(kHeadKept);
}

bool TableScanner::opensC(const CodeLine& line)
{
    const qsizetype brace = line.code.indexOf(u'{');
    if (brace < 0)
        return false;
    QString head = m_head;
    head += u' ';
    head += line.code.first(brace);
    const std::optional<QString> name = initialiserName(head);
    if (!name)
        return false;
    endTable();
    startTable(Mode::C, TableDialect::C, *name, *name + QStringLiteral("[]="));
    m_head.clear();
    m_depth = 0;
    readC(line.code.sliced(brace), line.number);
    return true;
}

void TableScanner::readC(QStringView code, int lineNumber)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'\'' || c == u'"') {
            i = quotedEnd(code, i) - 1;
            continue;
        }
        if (c != u',' && c != u'{' && c != u'}')
            continue;
        addPiece(code.sliced(start, i - start), lineNumber);
        start = i + 1;
        if (c == u'{') {
            ++m_depth;
        } else if (c == u'}' && --m_depth == 0) {
            endTable();
            appendHead(code.sliced(start));
            return;
        }
    }
    addPiece(code.sliced(start), lineNumber);
}

bool TableScanner::opensBasicTable(const CodeLine& line)
{
    QStringView rest = line.code;
    if (takeWord(rest).compare(u"table", Qt::CaseInsensitive) != 0)
        return false;
    const QStringView name = takeWord(rest);
    if (!isLabelWord(name))
        return false;
    endTable();
    startTable(Mode::BasicTable, TableDialect::Basic, name, {});
    m_basicSeen = true;
    return true;
}

void TableScanner::readBasicTableLine(const CodeLine& line)
{
    QStringView rest = line.code;
    const QStringView first = takeWord(rest);
    if (first.compare(u"end", Qt::CaseInsensitive) == 0 &&
        takeWord(rest).compare(u"table", Qt::CaseInsensitive) == 0) {
        endTable();
        return;
    }
    addPieces(line.code, line.number);
}

bool TableScanner::readsDataLine(const CodeLine& line)
{
    const std::optional<DataLineParts> parts = dataLineParts(line);
    if (!parts)
        return false;
    if (m_mode != Mode::DataRun || !parts->label.isEmpty()) {
        endTable();
        const bool basic = parts->word.compare(u"cdata", Qt::CaseInsensitive) == 0;
        const QStringView name =
            parts->label.isEmpty() ? QStringView(m_pendingLabel) : parts->label;
        startTable(Mode::DataRun, basic ? TableDialect::Basic : TableDialect::Asm, name,
                   parts->word.toString());
        m_basicSeen = m_basicSeen || basic;
    }
    readOperands(parts->operands, line.number);
    return true;
}

void TableScanner::readOperands(QStringView operands, int lineNumber)
{
    // A BASIC line that ends with ",_" goes on in the next line.
    QStringView list = withoutBlanks(operands);
    m_continued = list.endsWith(u'_') && withoutBlanks(list.chopped(1)).endsWith(u',');
    if (m_continued) {
        m_basicSeen = true;
        list.chop(1);
    }
    addPieces(list, lineNumber);
}

bool TableScanner::readsNumbersLine(const CodeLine& line)
{
    if (!holdsOnlyNumbers(line.code))
        return false;
    if (m_mode != Mode::Numbers) {
        endTable();
        startTable(Mode::Numbers, TableDialect::Numbers, {}, {});
    }
    addPieces(line.code, line.number);
    return true;
}

void TableScanner::addPieces(QStringView list, int lineNumber)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i] == u'\'' || list[i] == u'"')
            i = quotedEnd(list, i) - 1;
        else if (list[i] == u',') {
            addPiece(list.sliced(start, i - start), lineNumber);
            start = i + 1;
        }
    }
    addPiece(list.sliced(start), lineNumber);
}

void TableScanner::addPiece(QStringView piece, int lineNumber)
{
    piece = withoutBlanks(piece);
    if (piece.isEmpty())
        return;
    FoundTable& table = m_table;
    if (table.line == 0)
        table.line = lineNumber;
    const std::optional<WrittenNumber> number = readWrittenNumber(piece);
    if (!number || number->value > 255) {
        if (table.notByte.isEmpty())
            table.notByte = piece.toString();
    }
    if (!number)
        return;
    if (table.count++ == 0) {
        table.prefix = number->prefix.toString();
        table.suffix = number->suffix.toString();
    }
    if (table.isBytes())
        table.bytes.append(static_cast<char>(number->value));
}

void TableScanner::startTable(Mode mode, TableDialect dialect, QStringView name,
                              const QString& dataWord)
{
    m_mode = mode;
    m_table.name = name.toString();
    m_table.dialect = dialect;
    m_table.dataWord = dataWord;
    m_pendingLabel.clear();
}

void TableScanner::endTable()
{
    if (m_mode != Mode::Idle && (m_table.count > 0 || !m_table.notByte.isEmpty()))
        m_tables.append(std::move(m_table));
    m_table = FoundTable();
    m_mode = Mode::Idle;
    m_continued = false;
}

}  // namespace pixmint
