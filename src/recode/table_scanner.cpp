#include "table_scanner.h"

#include "font_recognisers.h"
#include "memory_files.h"
#include "table_heads.h"
#include "written_numbers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <initializer_list>
#include <optional>

namespace pixmint {
namespace {

// The head of a C initialiser rarely spans more than a few lines; what lies further back
// can name no table.
constexpr qsizetype kHeadKept = 512;

// The most values one range of a .mif file may stand for: the largest file the converter
// opens holds fewer bytes.
constexpr qint64 kMostRangeValues = qint64(1) << 24;

// The longest piece a macro call may carry across lines: a parenthesis left open does not
// swallow the rest of a table.
constexpr qsizetype kLongestCarry = 4096;

// A part of a split table that the next part continues holds at least this many numbers: a
// table is split because it outgrows a page or an array, while the short strings a compiler
// numbers one after the other (STR_1, STR_2) are tables of their own.
constexpr qsizetype kLeastSplitPart = 64;

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

bool isWordOf(QStringView word, std::initializer_list<QStringView> words)
{
    for (const QStringView known : words) {
        if (word.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The data words of PIC, AVR and 8051 assemblers and of BASIC.
bool isFirstDataWord(QStringView word)
{
    return isWordOf(word, {u"dt", u"retlw", u"db", u".db", u"de", u"data", u".byte", u"cdata"});
}

// The byte words of other assemblers: Z80 (defb, defm), 68000 (dc.b), ARM (dcb), 6809
// (fcb), 6502 (.byt, dfb, dta) and Propeller Spin (byte). Their operands must begin as a
// number or a string does: "byte x = 5" is a declaration of Arduino's C.
bool isOtherDataWord(QStringView word)
{
    return isWordOf(word, {u"defb", u"defm", u"dc.b", u".dc.b", u"dcb", u"fcb", u".byt", u"byte",
                           u"dfb", u"dta"});
}

bool isDataWord(QStringView word)
{
    return isFirstDataWord(word) || isOtherDataWord(word);
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
    return c.isLetterOrNumber() || QStringView(u"$%&'\"-+._>#").contains(c);
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
    if (isOtherDataWord(parts.word)) {
        const QStringView text = withoutBlanks(rest);
        const bool quoted = text.size() > 1 && text[1] == u'\'';
        if (text.front().isLetter() && !quoted)
            return std::nullopt;
    }
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

// A label that C reserves for the compiler itself (two leading underscores): XC8 writes
// "__stringbase: retlw 0" as the guard before its string tables.
bool isCompilerLabel(QStringView label)
{
    return label.startsWith(u"__");
}

// The words of assembler lines that only place what follows (sections, pages, banks,
// alignment, symbols and the compiler's own line records) and give no code of their own.
bool isPlacementWord(QStringView word)
{
    return isWordOf(
        word, {u"org",      u".org",   u"page",    u".page",    u"pagesel", u"pageselw", u"banksel",
               u"bankisel", u"psect",  u"global",  u".globl",   u".global", u"extern",   u".extern",
               u"code",     u".code",  u"section", u".section", u".area",   u".text",    u".rodata",
               u"align",    u".align", u".balign", u"even",     u".even",   u"file",     u".file",
               u"line",     u".line",  u"cseg",    u".cseg",    u".type",   u".size",    u"list",
               u"nolist",   u".list",  u".nolist"});
}

// The lines of a computed goto that stand before a part of a table: "addwf PCL,F",
// "movwf PCL", "movwf PCLATH", "movlw high TABLE" (low, upper).
bool isJumpIntoTable(QStringView word, QStringView operands)
{
    QStringView operand = withoutBlanks(operands);
    if (isWordOf(word, {u"addwf", u"movwf"})) {
        const qsizetype comma = operand.indexOf(u',');
        return isWordOf(withoutBlanks(comma < 0 ? operand : operand.first(comma)),
                        {u"pcl", u"pclath"});
    }
    if (word.compare(u"movlw", Qt::CaseInsensitive) != 0)
        return false;
    if (operand.startsWith(u'('))
        operand = operand.sliced(1);
    for (const QStringView part :
         {QStringView(u"high"), QStringView(u"low"), QStringView(u"upper")}) {
        if (operand.startsWith(part, Qt::CaseInsensitive) && operand.size() > part.size() &&
            !isNameChar(operand[part.size()]))
            return true;
    }
    return false;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A line that may stand between the parts of a split table: a label alone, a placement
// directive or a line of a computed goto, after an optional label.
struct SeparatorLine {
    QStringView jumpLabel;  // the label of a computed goto's line ("font2  addwf PCL,F")
};

std::optional<SeparatorLine> separatorLine(const CodeLine& line)
{
    QStringView rest = line.code;
    QStringView word = takeWord(rest);
    if (isPlacementWord(word))
        return SeparatorLine{};
    QStringView label;
    if (isLabelWord(word) && (word.endsWith(u':') || line.column0)) {
        if (withoutBlanks(rest).isEmpty())
            return SeparatorLine{};
        label = withoutColon(word);
        word = takeWord(rest);
    }
    if (isPlacementWord(word))
        return SeparatorLine{};
    if (isJumpIntoTable(word, rest))
        return SeparatorLine{label};
    return std::nullopt;
}

// A label as a stem and the numbers that end it: "font_part2" is "font_part" and 2,
// "BigFont42_51" is "BigFont" and the range 42 to 51; "font" has none.
struct NumberedName {
    QStringView stem;
    qint64 first = -1;
    qint64 last = -1;
};

NumberedName numberedName(QStringView name)
{
    NumberedName numbered;
    qsizetype end = name.size();
    for (int group = 0; group < 2; ++group) {
        qsizetype start = end;
        while (start > 0 && isAsciiDigit(name[start - 1]) && end - start < 9)
            --start;
        if (start == end || (start > 0 && isAsciiDigit(name[start - 1])))
            break;
        const qint64 value = name.sliced(start, end - start).toLongLong();
        numbered.first = value;
        if (numbered.last < 0)
            numbered.last = value;
        end = start;
        if (group == 0 && end > 1 && name[end - 1] == u'_' && isAsciiDigit(name[end - 2]))
            --end;
        else
            break;
    }
    while (end > 0 && name[end - 1] == u'_')
        --end;
    numbered.stem = name.first(end);
    return numbered;
}

// Whether a label names the part of a table that comes after the part `before` names: the
// same stem, and the number after it (or the range that begins after it); a first part
// without a number is followed by 1 or 2.
bool continuesName(QStringView before, QStringView after)
{
    const NumberedName a = numberedName(before);
    const NumberedName b = numberedName(after);
    if (a.stem.isEmpty() || b.first < 0 || a.stem.compare(b.stem, Qt::CaseInsensitive) != 0)
        return false;
    if (a.first < 0)
        return b.first == b.last && (b.first == 1 || b.first == 2);
    return b.first == a.last + 1;
}

// A byte of a number that an assembler's operator takes: "low(0)" (XC8 writes every zero of
// a table so), "high(0x1234)", "upper(…)".
std::optional<qint64> byteOperator(QStringView piece)
{
    if (!piece.endsWith(u')'))
        return std::nullopt;
    const qsizetype open = piece.indexOf(u'(');
    if (open <= 0)
        return std::nullopt;
    const QStringView word = withoutBlanks(piece.first(open));
    const int shift = word.compare(u"low", Qt::CaseInsensitive) == 0     ? 0
                      : word.compare(u"high", Qt::CaseInsensitive) == 0  ? 8
                      : word.compare(u"upper", Qt::CaseInsensitive) == 0 ? 16
                                                                         : -1;
    if (shift < 0)
        return std::nullopt;
    const std::optional<WrittenNumber> number =
        readWrittenNumber(withoutBlanks(piece.sliced(open + 1, piece.size() - open - 2)));
    if (!number || number->value < 0)
        return std::nullopt;
    return (number->value >> shift) & 0xFF;
}

// The piece without a Python line continuation "\" at its end.
QStringView withoutContinuation(QStringView piece)
{
    piece = withoutBlanks(piece);
    if (piece.endsWith(u'\\'))
        piece = withoutBlanks(piece.chopped(1));
    return piece;
}

// The characters a nested table's reader stops at: quotes, brackets and the comma.
bool isNestedMark(QChar c)
{
    static constexpr auto kMarks = [] {
        std::array<bool, 128> marks{};
        for (const char mark : {'\'', '"', '(', ')', '[', ']', '{', '}', ','})
            marks[static_cast<unsigned char>(mark)] = true;
        return marks;
    }();
    return c.unicode() < 128 && kMarks[c.unicode()];
}

// Whether the last character before a bracket (the head's, when the line has none) is the
// "=" of an assignment, or the "&" of Rust's "= &[".
bool followsAssignment(QStringView head, QStringView before)
{
    before = withoutBlanks(before);
    if (before.isEmpty())
        before = withoutBlanks(head);
    return !before.isEmpty() && (before.back() == u'=' || before.back() == u'&');
}

// Cuts the "% … %" comments of a .mif line.
QString withoutPercentComments(QStringView code)
{
    QString out;
    bool inside = false;
    for (const QChar c : code) {
        if (c == u'%')
            inside = !inside;
        else if (!inside)
            out += c;
    }
    return out;
}

}  // namespace

QList<FoundTable> TableScanner::run()
{
    if (const std::optional<int> base = memoryFileBase(m_text)) {
        readMemoryFile(*base);
        return std::move(m_tables);
    }
    CodeLine line;
    while (m_lines.next(line, contextNow()))
        readLine(line);
    endTable();
    settleDialects();
    joinSplitTables();
    recogniseFonts(m_text, m_tables);
    return std::move(m_tables);
}

// "Data" serves both assembler and BASIC; a text with signs of BASIC is BASIC. C's tables in
// a text whose comments are all JAL's ("--", never "//" or "/*") are JAL's.
void TableScanner::settleDialects()
{
    const bool jal = m_dashSeen && !m_cCommentSeen;
    for (FoundTable& table : m_tables) {
        if (m_basicSeen && table.dataWord.compare(u"data", Qt::CaseInsensitive) == 0)
            table.dialect = TableDialect::Basic;
        if (jal && table.dialect == TableDialect::C) {
            table.dialect = TableDialect::Jal;
            table.dataWord.clear();
        }
    }
}

// A table that a compiler or a programmer split in labelled parts, one run of data lines a
// part, is one table: a run joins the table before it when only separator lines stand
// between them (labels, placement directives, a computed goto's lines), its data word is the
// same, and its label continues the label of the table's last part (font_part1, font_part2;
// BigFont32_41, BigFont42_51) or comes just before its first (GCC writes the objects of a
// file last first: font_part3, font_part2, font_part1); the parts are joined in the order of
// their labels, and every part but the last of that order holds kLeastSplitPart numbers or
// more. A lone zero between two such parts ("retlw 0", a guard of the lookup before it) is
// left out and named in a warning. The joined table takes the name, line and format of the
// part its labels begin with.
void TableScanner::joinSplitTables()
{
    // A join needs a run after a run with a part of kLeastSplitPart numbers next to it (or
    // behind a lone guard); most texts have none, and keep their list as it is.
    bool any = false;
    for (qsizetype i = 1; i < m_tables.size() && !any; ++i) {
        any = m_notes[i].afterRun &&
              (m_tables[i].count >= kLeastSplitPart || m_tables[i - 1].count >= kLeastSplitPart ||
               (i > 1 && m_tables[i - 2].count >= kLeastSplitPart));
    }
    if (!any)
        return;
    // The parts of the table being joined, as indices into m_tables: the first found, the
    // ones whose labels come before it (nearest first) and after it.
    struct Parts {
        qsizetype found = -1;
        QList<qsizetype> before;
        QList<qsizetype> after;
        QStringList warnings;  // of the guards left out
    };
    QList<FoundTable> joined;
    joined.reserve(m_tables.size());
    Parts parts;
    const auto finish = [&] {
        if (parts.found < 0)
            return;
        QList<qsizetype> order(parts.before.crbegin(), parts.before.crend());
        order << parts.found << parts.after;
        FoundTable whole = std::move(m_tables[order.first()]);
        if (order.size() > 1)
            whole.parts << FoundTable::Part{m_notes[order.first()].part, 0, whole.count};
        for (qsizetype k = 1; k < order.size(); ++k) {
            FoundTable& part = m_tables[order[k]];
            whole.parts << FoundTable::Part{m_notes[order[k]].part, whole.count, part.count};
            if (whole.isBytes() && !part.isBytes())
                whole.notByte = part.notByte;
            if (whole.isBytes())
                whole.bytes += part.bytes;
            whole.count += part.count;
            whole.warnings << part.warnings;
        }
        whole.warnings << parts.warnings;
        joined.append(std::move(whole));
        parts = Parts();
    };
    enum class Join { No, After, Before };
    const auto joinOf = [&](qsizetype i) {
        const FoundTable& table = m_tables[i];
        const RunNote& note = m_notes[i];
        if (parts.found < 0 || !m_notes[parts.found].asmRun || !note.asmRun || !note.afterRun ||
            table.dialect != TableDialect::Asm || m_tables[parts.found].dialect != table.dialect ||
            m_tables[parts.found].dataWord.compare(table.dataWord, Qt::CaseInsensitive) != 0)
            return Join::No;
        const qsizetype tail = parts.after.isEmpty() ? parts.found : parts.after.last();
        const qsizetype head = parts.before.isEmpty() ? parts.found : parts.before.last();
        if (m_tables[tail].count >= kLeastSplitPart && continuesName(m_notes[tail].part, note.part))
            return Join::After;
        if (table.count >= kLeastSplitPart && continuesName(note.part, m_notes[head].part))
            return Join::Before;
        return Join::No;
    };
    for (qsizetype i = 0; i < m_tables.size(); ++i) {
        const FoundTable& table = m_tables[i];
        const RunNote& note = m_notes[i];
        if (const Join join = joinOf(i); join != Join::No) {
            (join == Join::After ? parts.after : parts.before) << i;
            continue;
        }
        const bool loneZero = note.asmRun && note.afterRun && note.part.isEmpty() &&
                              table.count == 1 && table.isBytes() && table.bytes.at(0) == 0;
        if (loneZero && i + 1 < m_tables.size() && joinOf(i + 1) != Join::No) {
            parts.warnings << QStringLiteral(
                                  "Satır %1: parçaların arasında tek başına duran \"%2 0\" bir "
                                  "koruma sayılıp alınmadı.")
                                  .arg(table.line)
                                  .arg(table.dataWord);
            continue;
        }
        finish();
        parts.found = i;
    }
    finish();
    m_tables = std::move(joined);
}

LineContext TableScanner::contextNow() const
{
    switch (m_mode) {
    case Mode::C:
        return LineContext::C;
    case Mode::Nested:
        return m_table.dialect == TableDialect::Python   ? LineContext::Python
               : m_table.dialect == TableDialect::Pascal ? LineContext::Pascal
                                                         : LineContext::C;
    case Mode::ByteStrings:
        return LineContext::Python;
    case Mode::BasicTable:
        return LineContext::Basic;
    case Mode::DataRun:
        return m_basicRun ? LineContext::Basic : LineContext::Plain;
    default:
        return LineContext::Plain;
    }
}

void TableScanner::readLine(CodeLine& line)
{
    m_basicSeen = m_basicSeen || line.basicComment;
    m_dashSeen = m_dashSeen || line.dashComment;
    m_cCommentSeen = m_cCommentSeen || line.cComment;
    if (line.isDirective) {
        readDirective(line);
        return;
    }
    switch (m_mode) {
    case Mode::C:
        if (m_conditions.isActive())
            readNested(line.code, line.number);
        else if (m_conditions.keepsLinesAside())
            keepAside(line.code, line.number, false);
        return;
    case Mode::Nested:
        readNested(line.code, line.number);
        return;
    case Mode::ByteStrings:
        readByteStrings(line.code, line.number);
        return;
    case Mode::BasicTable:
        readBasicTableLine(line);
        return;
    case Mode::Mif:
        readMifLine(line);
        return;
    default:
        break;
    }
    // Blank and comment-only lines neither end a run nor forget a label.
    if (withoutBlanks(line.code).isEmpty())
        return;
    if (m_mode == Mode::DataRun && m_continued) {
        readOperands(line.code, line.number);
        return;
    }
    if (m_mode == Mode::Coe && !line.code.contains(u'=')) {
        readCoeLine(line);
        return;
    }
    if (!m_pendingPython.isEmpty()) {
        const QString name = std::exchange(m_pendingPython, {});
        const QStringView code = withoutBlanks(line.code);
        if (code.size() > 1 && code.front().toLower() == u'b' &&
            (code[1] == u'\'' || code[1] == u'"')) {
            m_lines.recut(line, LineContext::Python);
            startTable(Mode::ByteStrings, TableDialect::Python, name, {});
            readByteStrings(line.code, line.number);
            return;
        }
    }
    if (opensC(line) || opensBasicTable(line) || readsDataLine(line) || readsNumbersLine(line) ||
        opensBracketTable(line) || readsMemoryHeader(line))
        return;
    readOther(line);
}

// Takes "#define" and "#undef" everywhere (but in the branches an initialiser leaves out),
// and the conditions of the groups inside a C initialiser.
void TableScanner::readDirective(const CodeLine& line)
{
    if (line.directiveStart) {
        m_directive = line.directive.toString();
        m_directiveLine = line.number;
    } else {
        m_directive += u' ';
        m_directive += line.directive;
    }
    if (m_directive.endsWith(u'\\')) {
        m_directive.chop(1);
        return;
    }
    const QString directive = withoutDirectiveComments(m_directive);
    m_directive.clear();
    if (m_mode == Mode::Idle)
        m_afterRun = false;
    if (m_mode == Mode::C) {
        const bool aside = !m_conditions.isActive() && m_conditions.keepsLinesAside();
        switch (m_conditions.take(directive, m_macros, m_directiveLine)) {
        case ConditionStack::Outcome::ReadKeptLines:
            readKeptLines();
            return;
        case ConditionStack::Outcome::ForgetKeptLines:
            m_keptLines.clear();
            return;
        case ConditionStack::Outcome::Taken:
            if (aside && m_conditions.keepsLinesAside())
                keepAside(directive, m_directiveLine, true);
            return;
        case ConditionStack::Outcome::NotConditional:
            if (aside) {
                keepAside(directive, m_directiveLine, true);
                return;
            }
            break;
        }
    }
    if (m_mode != Mode::C || m_conditions.isActive())
        m_macros.take(directive);
}

void TableScanner::keepAside(QStringView text, int lineNumber, bool directive)
{
    m_keptLines.append(KeptLine{text.toString(), lineNumber, directive});
}

// Reads the lines of a provisional group after all, as if they had been read in their place.
void TableScanner::readKeptLines()
{
    const QList<KeptLine> kept = std::exchange(m_keptLines, {});
    for (const KeptLine& keptLine : kept) {
        CodeLine line;
        line.number = keptLine.number;
        line.isDirective = keptLine.directive;
        line.directiveStart = keptLine.directive;
        if (keptLine.directive)
            line.directive = keptLine.text;
        else
            line.code = keptLine.text;
        readLine(line);
    }
}

void TableScanner::readOther(const CodeLine& line)
{
    const QStringView label = labelOf(line);
    QStringView rest = line.code;
    takeWord(rest);
    const bool labelAlone = !label.isEmpty() && withoutBlanks(rest).isEmpty();
    if (labelAlone && m_mode == Mode::DataRun && m_joined)
        return;
    endTable();
    const std::optional<SeparatorLine> separator = separatorLine(line);
    if (!separator)
        m_afterRun = false;
    if (labelAlone && !m_pendingLabel.isEmpty() && m_outerLabel.isEmpty())
        m_outerLabel = m_pendingLabel;
    else if (!labelAlone)
        m_outerLabel.clear();
    // The label of a computed goto's line names the part of the table that follows it.
    m_pendingLabel =
        (separator && !separator->jumpLabel.isEmpty() ? separator->jumpLabel : label).toString();
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

// C's "NAME[…] = {", JAL's, and Zig's "NAME = [_]u8{".
bool TableScanner::opensC(const CodeLine& line)
{
    const qsizetype brace = line.code.indexOf(u'{');
    if (brace < 0)
        return false;
    QString head = m_head;
    head += u' ';
    head += line.code.first(brace);
    const std::optional<QString> name = initialiserName(head);
    const std::optional<QString> zig = name ? std::nullopt : zigTableName(head);
    const std::optional<QString> record = name || zig ? std::nullopt : gfxRecordName(head);
    if (!name && !zig && !record)
        return false;
    endTable();
    if (name)
        startTable(Mode::C, TableDialect::C, *name, *name + QStringLiteral("[]="));
    else if (zig)
        startTable(Mode::Nested, TableDialect::Zig, *zig, {});
    else
        startTable(Mode::C, TableDialect::C, *record, {});
    m_keepValues = name && head.contains(QLatin1String("GFXglyph"));
    m_keepPieces = record.has_value();
    m_head.clear();
    readNested(line.code.sliced(brace), line.number);
    return true;
}

// Reads the pieces of an initialiser between its brackets, inner brackets flattened, up to
// the bracket that closes it. In C only braces count, and a comma inside parentheses belongs
// to a macro call; in the other languages every bracket counts.
void TableScanner::readNested(QStringView code, int lineNumber)
{
    const bool c = m_mode == Mode::C;
    qsizetype start = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar ch = code[i];
        if (!isNestedMark(ch))
            continue;
        if (ch == u'\'' || ch == u'"') {
            i = quotedEnd(code, i) - 1;
            continue;
        }
        if (c && (ch == u'(' || ch == u')')) {
            m_parens = std::max(0, m_parens + (ch == u'(' ? 1 : -1));
            continue;
        }
        const bool opens = c ? ch == u'{' : (ch == u'(' || ch == u'[' || ch == u'{');
        const bool closes = c ? ch == u'}' : (ch == u')' || ch == u']' || ch == u'}');
        if ((ch != u',' || m_parens > 0) && !opens && !closes)
            continue;
        if (m_carry.isEmpty()) {
            addPiece(code.sliced(start, i - start), lineNumber);
        } else {
            m_carry += code.sliced(start, i - start);
            addPiece(m_carry, lineNumber);
            m_carry.clear();
        }
        m_parens = 0;
        start = i + 1;
        if (opens) {
            ++m_depth;
        } else if (closes && --m_depth == 0) {
            endTable();
            appendHead(code.sliced(start));
            return;
        }
    }
    if (c && m_parens > 0 && m_carry.size() < kLongestCarry) {
        m_carry += code.sliced(start);
        m_carry += u' ';
        return;
    }
    m_parens = 0;
    if (m_carry.isEmpty()) {
        addPiece(code.sliced(start), lineNumber);
        return;
    }
    m_carry += code.sliced(start);
    addPiece(m_carry, lineNumber);
    m_carry.clear();
}

// Rust's "NAME: [u8; N] = [", Pascal's "NAME: array[…] of byte = (", and Python's tables.
bool TableScanner::opensBracketTable(CodeLine& line)
{
    const QStringView code = line.code;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if ((code[i] != u'[' && code[i] != u'(') || !followsAssignment(m_head, code.first(i)))
            continue;
        QString head = m_head;
        head += u' ';
        head += code.first(i).last(std::min(i, kHeadKept));
        const std::optional<QString> name =
            code[i] == u'[' ? rustTableName(head) : pascalTableName(head);
        if (!name)
            continue;
        endTable();
        const bool pascal = code[i] == u'(';
        startTable(Mode::Nested, pascal ? TableDialect::Pascal : TableDialect::Rust, *name, {});
        m_head.clear();
        if (pascal) {
            // The rest of the line may hold Pascal's comments.
            m_lines.recut(line, LineContext::Pascal);
            const qsizetype open = line.code.indexOf(u'(', i);
            readNested(line.code.sliced(open < 0 ? line.code.size() : open), line.number);
        } else {
            readNested(code.sliced(i), line.number);
        }
        return true;
    }
    return opensPython(line);
}

bool TableScanner::opensPython(CodeLine& line)
{
    if (!line.code.contains(u'=') || !pythonHead(line.code))
        return false;
    m_lines.recut(line, LineContext::Python);
    const std::optional<PythonHead> head = pythonHead(line.code);
    if (!head)
        return false;
    endTable();
    if (head->kind == PythonHead::Kind::Pending) {
        m_pendingPython = head->name;
        return true;
    }
    const bool strings = head->kind == PythonHead::Kind::ByteStrings;
    startTable(strings ? Mode::ByteStrings : Mode::Nested, TableDialect::Python, head->name, {});
    m_tentative = !strings;
    m_pythonCall = head->kind == PythonHead::Kind::Call;
    if (strings)
        readByteStrings(line.code.sliced(head->opener), line.number);
    else
        readNested(line.code.sliced(head->opener), line.number);
    return true;
}

// A line of Python's byte strings; the table goes on while lines end with "\".
void TableScanner::readByteStrings(QStringView code, int lineNumber)
{
    const QStringView text = withoutBlanks(code);
    addPiece(text, lineNumber);
    if (!text.endsWith(u'\\'))
        endTable();
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

bool TableScanner::readsDataLine(CodeLine& line)
{
    std::optional<DataLineParts> parts = dataLineParts(line);
    if (!parts)
        return false;
    // BASIC's lines are cut again: a quote there always opens a comment.
    const bool basic = parts->word.compare(u"cdata", Qt::CaseInsensitive) == 0 ||
                       (m_basicSeen && parts->word.compare(u"data", Qt::CaseInsensitive) == 0);
    if (basic && !(m_mode == Mode::DataRun && m_basicRun)) {
        m_lines.recut(line, LineContext::Basic);
        parts = dataLineParts(line);
        if (!parts)
            return false;
    }
    const bool goesOn = m_mode == Mode::DataRun &&
                        (parts->label.isEmpty() ||
                         (m_joined && parts->word.compare(m_runWord, Qt::CaseInsensitive) == 0));
    if (!goesOn)
        openDataRun(parts->label, parts->word);
    readOperands(parts->operands, line.number);
    return true;
}

// Opens a run of data lines. A label alone before the run's own label (nothing but blank and
// comment lines between) names a table that goes on across the labels inside it, as long as
// its lines keep their data word: a font whose characters each have a label.
void TableScanner::openDataRun(QStringView label, QStringView word)
{
    endTable();
    const bool basic = word.compare(u"cdata", Qt::CaseInsensitive) == 0;
    QString inner = label.isEmpty() ? m_pendingLabel : label.toString();
    QString outer = m_outerLabel;
    if (!label.isEmpty() && outer.isEmpty())
        outer = m_pendingLabel;
    const bool joined = !outer.isEmpty() && !inner.isEmpty() && !isCompilerLabel(outer);
    const bool afterRun = m_afterRun;
    startTable(Mode::DataRun, basic ? TableDialect::Basic : TableDialect::Asm,
               joined ? outer : inner, word.toString());
    m_openedAfterRun = afterRun;
    m_part = inner;
    m_joined = joined;
    m_runWord = word.toString();
    m_basicRun = basic || (m_basicSeen && word.compare(u"data", Qt::CaseInsensitive) == 0);
    m_basicSeen = m_basicSeen || basic;
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

// The header lines of .coe and .mif files; the line that opens the values opens the table.
bool TableScanner::readsMemoryHeader(const CodeLine& line)
{
    const QStringView code = line.code;
    if (const std::optional<QStringView> radix =
            headerValue(code, u"memory_initialization_radix")) {
        m_coeBase = radixBase(*radix).value_or(16);
        return true;
    }
    if (const std::optional<QStringView> values =
            headerValue(code, u"memory_initialization_vector")) {
        endTable();
        startTable(Mode::Coe, TableDialect::Coe, {}, {});
        CodeLine rest = line;
        rest.code = *values;
        readCoeLine(rest);
        return true;
    }
    if (const std::optional<QStringView> radix = headerValue(code, u"data_radix")) {
        m_mifDataBase = radixBase(*radix).value_or(16);
        return true;
    }
    if (const std::optional<QStringView> radix = headerValue(code, u"address_radix")) {
        m_mifAddressBase = radixBase(*radix).value_or(16);
        return true;
    }
    QStringView rest = code;
    const QStringView first = takeWord(rest);
    const bool content = first.compare(u"content", Qt::CaseInsensitive) == 0;
    const bool begin = first.compare(u"begin", Qt::CaseInsensitive) == 0 ||
                       (content && takeWord(rest).compare(u"begin", Qt::CaseInsensitive) == 0);
    if (content && !begin) {
        m_mifAwaitsBegin = true;
        return true;
    }
    if (!begin || (!content && !m_mifAwaitsBegin))
        return false;
    endTable();
    startTable(Mode::Mif, TableDialect::Mif, {}, {});
    return true;
}

// The values of a .coe vector, separated by commas or blanks, in the file's radix; the ";"
// after the last ends the table.
void TableScanner::readCoeLine(const CodeLine& line)
{
    qsizetype start = 0;
    const QStringView code = line.code;
    for (qsizetype i = 0; i <= code.size(); ++i) {
        if (i < code.size() && code[i] != u',' && code[i] != u' ' && code[i] != u'\t')
            continue;
        const QStringView word = code.sliced(start, i - start);
        start = i + 1;
        if (word.isEmpty())
            continue;
        const std::optional<qint64> value = memoryWordValue(word, m_coeBase);
        if (value)
            addValue(*value, {}, {}, word, line.number);
        else
            addNotNumber(word, line.number);
    }
    if (line.semicolonCut)
        endTable();
}

// A line "ADDRESS : VALUE …" or "[FIRST..LAST] : VALUE …" of a .mif file's content, up to
// its "END".
void TableScanner::readMifLine(const CodeLine& line)
{
    const QString code = withoutPercentComments(line.code);
    QStringView rest = code;
    if (takeWord(rest).compare(u"end", Qt::CaseInsensitive) == 0) {
        endTable();
        return;
    }
    const qsizetype colon = code.indexOf(u':');
    if (colon < 0)
        return;
    qint64 repeat = 1;
    const QStringView address = withoutBlanks(QStringView(code).first(colon));
    if (address.startsWith(u'[') && address.endsWith(u']')) {
        const QStringView range = address.sliced(1, address.size() - 2);
        const qsizetype dots = range.indexOf(u"..");
        const std::optional<qint64> first =
            dots < 0 ? std::nullopt
                     : memoryWordValue(withoutBlanks(range.first(dots)), m_mifAddressBase);
        const std::optional<qint64> last =
            dots < 0 ? std::nullopt
                     : memoryWordValue(withoutBlanks(range.sliced(dots + 2)), m_mifAddressBase);
        if (!first || !last || *last < *first || *last - *first >= kMostRangeValues) {
            addNotNumber(address, line.number);
            return;
        }
        repeat = *last - *first + 1;
    }
    QList<QStringView> words;
    forEachMemoryWord(QStringView(code).sliced(colon + 1),
                      [&](QStringView word) { words << word; });
    if (words.isEmpty())
        return;
    const qint64 count = std::max<qint64>(repeat, words.size());
    for (qint64 i = 0; i < count; ++i) {
        const QStringView word = words[static_cast<qsizetype>(i % words.size())];
        const std::optional<qint64> value = memoryWordValue(word, m_mifDataBase);
        if (value)
            addValue(*value, {}, {}, word, line.number);
        else
            addNotNumber(word, line.number);
    }
}

// A file of $readmemh or $readmemb: one table of every word, in the file's order.
void TableScanner::readMemoryFile(int base)
{
    startTable(Mode::Numbers, TableDialect::Mem, {}, {});
    CodeLine line;
    while (m_lines.next(line, LineContext::Plain)) {
        forEachMemoryWord(line.code, [&](QStringView word) {
            const std::optional<qint64> value = memoryWordValue(word, base);
            if (value)
                addValue(*value, {}, {}, word, line.number);
            else
                addNotNumber(word, line.number);
        });
    }
    endTable();
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
    if (piece.isEmpty() || m_dropped)
        return;
    if (m_keepPieces)
        m_table.pieces << piece.toString();
    if (addDialectPiece(piece, lineNumber))
        return;
    if (m_table.dialect == TableDialect::Asm) {
        // The immediate mark of the assemblers sdcc writes for: ".db #0x3f".
        if (piece.size() > 1 && piece.front() == u'#')
            piece = piece.sliced(1);
        if (const std::optional<qint64> value = byteOperator(piece)) {
            addValue(*value, {}, {}, piece, lineNumber);
            return;
        }
    }
    const std::optional<WrittenNumber> number = readWrittenNumber(piece);
    if (number) {
        addValue(number->value, number->prefix, number->suffix, piece, lineNumber);
        return;
    }
    if (m_table.dialect == TableDialect::C) {
        // A byte written as a macro call or a constant expression.
        if (const std::optional<qint64> value = evaluateExpression(piece, m_macros)) {
            addValue(*value, {}, {}, piece, lineNumber);
            return;
        }
    }
    addNotNumber(piece, lineNumber);
}

// The pieces that only some languages write: Python's byte strings (one piece may hold
// several, side by side), a Python table that turns out to be no table, Zig's "." before
// an inner ".{". True when the piece was taken.
bool TableScanner::addDialectPiece(QStringView piece, int lineNumber)
{
    const TableDialect dialect = m_table.dialect;
    if (dialect == TableDialect::Zig && piece == u".")
        return true;
    if (dialect != TableDialect::Python && dialect != TableDialect::Rust)
        return false;
    piece = withoutContinuation(piece);
    if (piece.isEmpty())
        return true;
    bool strings = false;
    for (qsizetype at = 0; at < piece.size();) {
        const bool opens = piece.size() - at > 1 && piece[at].toLower() == u'b' &&
                           (piece[at + 1] == u'\'' || piece[at + 1] == u'"');
        if (!opens)
            break;
        const qsizetype end = quotedEnd(piece, at + 1);
        const std::optional<QByteArray> bytes = readByteString(piece.sliced(at, end - at));
        if (!bytes)
            break;
        if (m_table.line == 0)
            m_table.line = lineNumber;
        for (const char byte : *bytes)
            addValue(static_cast<unsigned char>(byte), {}, {}, piece, lineNumber);
        strings = true;
        at = end;
        while (at < piece.size() && (piece[at] == u' ' || piece[at] == u'\t'))
            ++at;
        if (at == piece.size())
            return true;
    }
    if (strings || dialect == TableDialect::Rust)
        return strings;
    // Python: a table that opened on "x = (" or "bytearray(" is one only when its first piece
    // is a number inside the brackets; bytearray(16) is a size.
    const bool number = readWrittenNumber(piece).has_value();
    if (m_tentative && (!number || (m_pythonCall && m_depth < 2))) {
        m_dropped = true;
        return true;
    }
    m_tentative = false;
    return false;
}

void TableScanner::addValue(qint64 value, QStringView prefix, QStringView suffix, QStringView piece,
                            int lineNumber)
{
    FoundTable& table = m_table;
    if (table.line == 0)
        table.line = lineNumber;
    m_tentative = false;
    if (value < 0 || value > 255) {
        if (table.notByte.isEmpty())
            table.notByte = piece.toString();
    }
    if (table.count++ == 0) {
        table.prefix = prefix.toString();
        table.suffix = suffix.toString();
    }
    if (table.isBytes())
        table.bytes.append(static_cast<char>(value));
    if (m_keepValues)
        table.values << static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

void TableScanner::addNotNumber(QStringView piece, int lineNumber)
{
    if (m_table.line == 0)
        m_table.line = lineNumber;
    if (m_table.notByte.isEmpty())
        m_table.notByte = piece.toString();
}

void TableScanner::startTable(Mode mode, TableDialect dialect, QStringView name,
                              const QString& dataWord)
{
    m_mode = mode;
    m_table.name = name.toString();
    m_table.dialect = dialect;
    m_table.dataWord = dataWord;
    m_pendingLabel.clear();
    m_outerLabel.clear();
    m_depth = 0;
    m_parens = 0;
    m_carry.clear();
    m_conditions.clear();
    m_keptLines.clear();
}

void TableScanner::endTable()
{
    const bool something = m_table.count > 0 || !m_table.notByte.isEmpty();
    // XC8's guard before its strings, "__stringbase: retlw 0", is no table.
    const bool guard = m_table.dialect == TableDialect::Asm && isCompilerLabel(m_table.name) &&
                       m_table.count == 1 && m_table.isBytes() && m_table.bytes.at(0) == 0;
    m_table.warnings << m_conditions.takeWarnings();
    if (m_mode != Mode::Idle && something && !m_dropped && !guard) {
        RunNote note;
        note.asmRun =
            m_mode == Mode::DataRun && !m_basicRun && m_table.dialect == TableDialect::Asm;
        note.afterRun = note.asmRun && m_openedAfterRun;
        note.part = std::move(m_part);
        m_afterRun = note.asmRun;
        m_tables.append(std::move(m_table));
        m_notes.append(std::move(note));
    } else if (m_mode != Mode::Idle && !guard) {
        m_afterRun = false;
    }
    m_table = FoundTable();
    m_part.clear();
    m_openedAfterRun = false;
    m_mode = Mode::Idle;
    m_continued = false;
    m_joined = false;
    m_basicRun = false;
    m_tentative = false;
    m_pythonCall = false;
    m_dropped = false;
    m_keepValues = false;
    m_keepPieces = false;
    m_mifAwaitsBegin = false;
    m_conditions.clear();
    m_keptLines.clear();
}

}  // namespace pixmint
