#include "c_preprocessor.h"

#include "written_numbers.h"

#include <limits>
#include <utility>

namespace pixmint {
namespace {

// How far the evaluator goes: nesting of parentheses and unary operators, nesting of macro
// expansions, and the tokens all expansions of one expression may make.
constexpr int kDeepestNesting = 256;
constexpr int kDeepestExpansion = 64;
constexpr qsizetype kMostTokens = 4096;
// The longest expression the evaluator reads, and the deepest "#if" group that may be
// provisional (deeper ones are decided as a compiler decides them).
constexpr qsizetype kLongestExpression = 1 << 16;
constexpr qsizetype kDeepestProvisionalGroup = 32;

enum class TokenKind { Number, Identifier, Punctuator, Character, String };

struct Token {
    TokenKind kind = TokenKind::Punctuator;
    QString text;
    bool painted = false;  // a macro's name inside its own expansion: never expanded again

    bool is(QStringView punctuator) const
    {
        return kind == TokenKind::Punctuator && text == punctuator;
    }
};

using Tokens = QList<Token>;

bool isIdentifierStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool isIdentifierChar(QChar c)
{
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9');
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Where a quoted token opening at `at` ends (after its closing quote, or at the end).
qsizetype quotedTokenEnd(QStringView text, qsizetype at)
{
    const QChar quote = text[at];
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == quote)
            return i + 1;
    }
    return text.size();
}

Tokens tokenize(QStringView text)
{
    static const QStringView kPairs[] = {u"<<", u">>", u"<=", u">=", u"==",
                                         u"!=", u"&&", u"||", u"##"};
    Tokens tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        Token token;
        qsizetype end = i + 1;
        if (c.isDigit() || (c == u'.' && i + 1 < text.size() && text[i + 1].isDigit())) {
            token.kind = TokenKind::Number;
            while (end < text.size() && (isIdentifierChar(text[end]) || text[end] == u'.'))
                ++end;
        } else if (isIdentifierStart(c)) {
            token.kind = TokenKind::Identifier;
            while (end < text.size() && isIdentifierChar(text[end]))
                ++end;
        } else if (c == u'\'' || c == u'"') {
            token.kind = c == u'\'' ? TokenKind::Character : TokenKind::String;
            end = quotedTokenEnd(text, i);
        } else {
            for (const QStringView pair : kPairs) {
                if (text.sliced(i).startsWith(pair))
                    end = i + 2;
            }
        }
        token.text = text.sliced(i, end - i).toString();
        tokens.append(std::move(token));
        i = end;
    }
    return tokens;
}

// Expands the macros of a list of tokens, as the preprocessor of C does: an object-like
// macro by its body, a function-like one called with arguments by its body with the
// arguments in place ("##" pasting tokens together), each result scanned again with the
// macro's own name left alone.
class Expander {
public:
    explicit Expander(const MacroTable& macros) : m_macros(macros) {}

    bool refused() const { return m_refused; }
    Tokens expand(const Tokens& in, int depth);

private:
    bool expandCall(const Tokens& in, qsizetype& i, const MacroTable::Macro& macro,
                    const QString& name, int depth, Tokens& out);
    Tokens substituted(const MacroTable::Macro& macro, const QList<Tokens>& arguments, int depth);
    Tokens pasted(const Tokens& in);
    void refuse() { m_refused = true; }
    bool counted(qsizetype more)
    {
        m_made += more;
        if (m_made > kMostTokens)
            refuse();
        return !m_refused;
    }

    const MacroTable& m_macros;
    QStringList m_active;  // the macros being expanded, innermost last
    qsizetype m_made = 0;
    bool m_refused = false;
};

Tokens Expander::expand(const Tokens& in, int depth)
{
    Tokens out;
    if (depth > kDeepestExpansion) {
        refuse();
        return out;
    }
    for (qsizetype i = 0; i < in.size() && !m_refused; ++i) {
        const Token& token = in[i];
        const MacroTable::Macro* macro = token.kind == TokenKind::Identifier && !token.painted
                                             ? m_macros.find(token.text)
                                             : nullptr;
        if (!macro) {
            out.append(token);
            continue;
        }
        if (m_active.contains(token.text)) {
            Token painted = token;
            painted.painted = true;
            out.append(painted);
            continue;
        }
        if (macro->functionLike) {
            if (!expandCall(in, i, *macro, token.text, depth, out))
                out.append(token);
            continue;
        }
        const Tokens body = tokenize(macro->body);
        if (!counted(body.size()))
            break;
        m_active.append(token.text);
        const Tokens result = expand(pasted(body), depth + 1);
        m_active.removeLast();
        if (counted(result.size()))
            out.append(result);
    }
    return out;
}

// Expands the call of a function-like macro whose name stands at `i`; false when no "("
// follows the name (the name then stands for itself).
bool Expander::expandCall(const Tokens& in, qsizetype& i, const MacroTable::Macro& macro,
                          const QString& name, int depth, Tokens& out)
{
    if (i + 1 >= in.size() || !in[i + 1].is(u"("))
        return false;
    QList<Tokens> arguments(1);
    int nesting = 0;
    qsizetype j = i + 2;
    for (; j < in.size(); ++j) {
        const Token& token = in[j];
        if (token.is(u"(")) {
            ++nesting;
        } else if (token.is(u")")) {
            if (nesting-- == 0)
                break;
        } else if (token.is(u",") && nesting == 0) {
            arguments.append(Tokens());
            continue;
        }
        arguments.last().append(token);
    }
    if (j >= in.size()) {
        refuse();
        return true;
    }
    if (macro.parameters.isEmpty() && arguments.size() == 1 && arguments[0].isEmpty())
        arguments.clear();
    if (arguments.size() != macro.parameters.size()) {
        refuse();
        return true;
    }
    i = j;
    const Tokens body = substituted(macro, arguments, depth);
    m_active.append(name);
    const Tokens result = expand(pasted(body), depth + 1);
    m_active.removeLast();
    if (counted(result.size()))
        out.append(result);
    return true;
}

// The macro's body with each parameter replaced: by the argument as written next to "##",
// by the expanded argument elsewhere, by a string after "#".
Tokens Expander::substituted(const MacroTable::Macro& macro, const QList<Tokens>& arguments,
                             int depth)
{
    const Tokens body = tokenize(macro.body);
    Tokens out;
    if (!counted(body.size()))
        return out;
    for (qsizetype k = 0; k < body.size() && !m_refused; ++k) {
        const qsizetype parameter =
            body[k].kind == TokenKind::Identifier ? macro.parameters.indexOf(body[k].text) : -1;
        if (parameter < 0) {
            out.append(body[k]);
            continue;
        }
        const bool besidePaste =
            (k > 0 && body[k - 1].is(u"##")) || (k + 1 < body.size() && body[k + 1].is(u"##"));
        if (!out.isEmpty() && out.last().is(u"#")) {
            out.last() = Token{TokenKind::String, QStringLiteral("\"\""), false};
        } else if (besidePaste) {
            out.append(arguments[parameter]);
        } else {
            const Tokens expanded = expand(arguments[parameter], depth + 1);
            if (counted(expanded.size()))
                out.append(expanded);
        }
    }
    return out;
}

// Joins the tokens on both sides of each "##" into one.
Tokens Expander::pasted(const Tokens& in)
{
    Tokens out;
    for (qsizetype k = 0; k < in.size(); ++k) {
        if (!in[k].is(u"##")) {
            out.append(in[k]);
            continue;
        }
        if (out.isEmpty() || k + 1 >= in.size()) {
            refuse();
            return out;
        }
        const QString joined = out.takeLast().text + in[++k].text;
        out.append(tokenize(joined));
    }
    return out;
}

// The integer types a cast may name, and the width of those that cut the value.
int castWidth(const QStringList& words)
{
    const QString type = words.join(u' ');
    static const QStringList kBytes = {
        QStringLiteral("unsigned char"), QStringLiteral("uint8_t"), QStringLiteral("byte"),
        QStringLiteral("uchar"),         QStringLiteral("u8"),      QStringLiteral("BYTE"),
        QStringLiteral("UCHAR"),         QStringLiteral("uint8")};
    static const QStringList kWords = {QStringLiteral("unsigned short"), QStringLiteral("uint16_t"),
                                       QStringLiteral("u16"), QStringLiteral("uint16"),
                                       QStringLiteral("WORD")};
    if (kBytes.contains(type))
        return 8;
    if (kWords.contains(type))
        return 16;
    return 0;
}

bool isTypeWord(const QString& word)
{
    static const QStringList kTypeWords = {
        QStringLiteral("unsigned"), QStringLiteral("signed"),   QStringLiteral("char"),
        QStringLiteral("short"),    QStringLiteral("int"),      QStringLiteral("long"),
        QStringLiteral("const"),    QStringLiteral("uint8_t"),  QStringLiteral("int8_t"),
        QStringLiteral("uint16_t"), QStringLiteral("int16_t"),  QStringLiteral("uint32_t"),
        QStringLiteral("int32_t"),  QStringLiteral("uint64_t"), QStringLiteral("int64_t"),
        QStringLiteral("byte"),     QStringLiteral("uchar"),    QStringLiteral("u8"),
        QStringLiteral("u16"),      QStringLiteral("u32"),      QStringLiteral("BYTE"),
        QStringLiteral("UCHAR"),    QStringLiteral("WORD"),     QStringLiteral("uint8"),
        QStringLiteral("uint16"),   QStringLiteral("uint32"),   QStringLiteral("size_t")};
    return kTypeWords.contains(word);
}

// The value of an integer literal of C: "0x", "0b", a leading "0" for octal, and the
// suffixes "u" and "l".
std::optional<qint64> literalValue(const QString& text)
{
    if (text.size() > 1 && text[0] == u'0' && text[1].isDigit()) {
        QStringView digits = text;
        while (!digits.isEmpty() &&
               (digits.back().toLower() == u'u' || digits.back().toLower() == u'l'))
            digits.chop(1);
        return digitsInBase(digits, 8);
    }
    const std::optional<WrittenNumber> number = readWrittenNumber(text);
    if (!number || !(number->prefix.isEmpty() || number->prefix.startsWith(u'0')) ||
        !number->suffix.isEmpty())
        return std::nullopt;
    return number->value;
}

// A recursive-descent parser of C's constant expressions over expanded tokens.
class Parser {
public:
    Parser(const Tokens& tokens, bool condition, bool* outsideName)
        : m_tokens(tokens), m_condition(condition), m_outsideName(outsideName)
    {
    }

    std::optional<qint64> parse()
    {
        const std::optional<qint64> value = conditional();
        if (!value || m_at != m_tokens.size())
            return std::nullopt;
        return value;
    }

private:
    bool next(QStringView punctuator)
    {
        if (m_at < m_tokens.size() && m_tokens[m_at].is(punctuator)) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool enter() { return ++m_nesting <= kDeepestNesting; }

    std::optional<qint64> conditional();
    std::optional<qint64> binary(int level);
    std::optional<qint64> unary();
    std::optional<qint64> primary();
    std::optional<qint64> cast();

    const Tokens& m_tokens;
    bool m_condition;
    bool* m_outsideName;
    qsizetype m_at = 0;
    int m_nesting = 0;
};

std::optional<qint64> Parser::conditional()
{
    if (!enter())
        return std::nullopt;
    std::optional<qint64> value = binary(0);
    if (value && next(u"?")) {
        const std::optional<qint64> yes = conditional();
        if (!yes || !next(u":"))
            return std::nullopt;
        const std::optional<qint64> no = conditional();
        if (!no)
            return std::nullopt;
        value = *value != 0 ? yes : no;
    }
    --m_nesting;
    return value;
}

// Applies a binary operator; nothing on an overflow, a division by zero or a shift beyond
// the width.
std::optional<qint64> applied(const QString& op, qint64 a, qint64 b)
{
    qint64 result = 0;
    if (op == u"+")
        return __builtin_add_overflow(a, b, &result) ? std::nullopt : std::optional(result);
    if (op == u"-")
        return __builtin_sub_overflow(a, b, &result) ? std::nullopt : std::optional(result);
    if (op == u"*")
        return __builtin_mul_overflow(a, b, &result) ? std::nullopt : std::optional(result);
    if (op == u"/" || op == u"%") {
        if (b == 0 || (a == std::numeric_limits<qint64>::min() && b == -1))
            return std::nullopt;
        return op == u"/" ? a / b : a % b;
    }
    if (op == u"<<") {
        if (a < 0 || b < 0 || b > 62 || a > (std::numeric_limits<qint64>::max() >> b))
            return std::nullopt;
        return a << b;
    }
    if (op == u">>")
        return b < 0 || b > 63 ? std::nullopt : std::optional<qint64>(a >> b);
    if (op == u"<")
        return a < b;
    if (op == u">")
        return a > b;
    if (op == u"<=")
        return a <= b;
    if (op == u">=")
        return a >= b;
    if (op == u"==")
        return a == b;
    if (op == u"!=")
        return a != b;
    if (op == u"&")
        return a & b;
    if (op == u"^")
        return a ^ b;
    if (op == u"|")
        return a | b;
    if (op == u"&&")
        return a != 0 && b != 0;
    return a != 0 || b != 0;
}

std::optional<qint64> Parser::binary(int level)
{
    static const QList<QStringList> kLevels = {
        {QStringLiteral("||")},
        {QStringLiteral("&&")},
        {QStringLiteral("|")},
        {QStringLiteral("^")},
        {QStringLiteral("&")},
        {QStringLiteral("=="), QStringLiteral("!=")},
        {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">=")},
        {QStringLiteral("<<"), QStringLiteral(">>")},
        {QStringLiteral("+"), QStringLiteral("-")},
        {QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("%")}};
    if (level == kLevels.size())
        return unary();
    std::optional<qint64> value = binary(level + 1);
    while (value && m_at < m_tokens.size() && m_tokens[m_at].kind == TokenKind::Punctuator &&
           kLevels[level].contains(m_tokens[m_at].text)) {
        const QString op = m_tokens[m_at++].text;
        const std::optional<qint64> right = binary(level + 1);
        value = right ? applied(op, *value, *right) : std::nullopt;
    }
    return value;
}

std::optional<qint64> Parser::unary()
{
    if (m_at >= m_tokens.size() || !enter())
        return std::nullopt;
    const Token& token = m_tokens[m_at];
    std::optional<qint64> value;
    if (token.is(u"+") || token.is(u"-") || token.is(u"~") || token.is(u"!")) {
        ++m_at;
        value = unary();
        if (value && token.is(u"-"))
            value = *value == std::numeric_limits<qint64>::min() ? std::nullopt
                                                                 : std::optional(-*value);
        else if (value && token.is(u"~"))
            value = ~*value;
        else if (value && token.is(u"!"))
            value = *value == 0;
    } else {
        value = cast();
    }
    --m_nesting;
    return value;
}

// A cast such as "(unsigned char)x" cuts its operand to the type's width; any other
// parenthesis is a primary.
std::optional<qint64> Parser::cast()
{
    if (m_tokens[m_at].is(u"(")) {
        QStringList words;
        qsizetype k = m_at + 1;
        while (k < m_tokens.size() && m_tokens[k].kind == TokenKind::Identifier &&
               isTypeWord(m_tokens[k].text))
            words << m_tokens[k++].text;
        if (!words.isEmpty() && k < m_tokens.size() && m_tokens[k].is(u")")) {
            m_at = k + 1;
            const std::optional<qint64> value = unary();
            const int width = castWidth(words);
            if (!value || width == 0)
                return value;
            return *value & ((qint64(1) << width) - 1);
        }
    }
    return primary();
}

std::optional<qint64> Parser::primary()
{
    const Token& token = m_tokens[m_at++];
    switch (token.kind) {
    case TokenKind::Number:
        return literalValue(token.text);
    case TokenKind::Character: {
        const std::optional<WrittenNumber> number = readWrittenNumber(token.text);
        return number ? std::optional(number->value) : std::nullopt;
    }
    case TokenKind::Identifier:
        // Left after expansion: no value, except in a condition, where it is 0 unless it
        // is a macro inside its own expansion or names a function.
        if (!m_condition || token.painted || (m_at < m_tokens.size() && m_tokens[m_at].is(u"(")))
            return std::nullopt;
        if (m_outsideName)
            *m_outsideName = true;
        return 0;
    case TokenKind::String:
        return std::nullopt;
    case TokenKind::Punctuator:
        break;
    }
    if (!token.is(u"("))
        return std::nullopt;
    const std::optional<qint64> value = conditional();
    if (!value || !next(u")"))
        return std::nullopt;
    return value;
}

// Replaces "defined NAME" and "defined ( NAME )" by 1 or 0.
Tokens withDefinedTested(const Tokens& in, const MacroTable& macros, bool& refused,
                         bool* outsideName)
{
    Tokens out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i].kind != TokenKind::Identifier || in[i].text != u"defined") {
            out.append(in[i]);
            continue;
        }
        const bool parenthesis = i + 1 < in.size() && in[i + 1].is(u"(");
        const qsizetype name = i + (parenthesis ? 2 : 1);
        if (name >= in.size() || in[name].kind != TokenKind::Identifier ||
            (parenthesis && (name + 1 >= in.size() || !in[name + 1].is(u")")))) {
            refused = true;
            return out;
        }
        const bool defined = macros.isDefined(in[name].text);
        if (!defined && outsideName)
            *outsideName = true;
        out.append(
            Token{TokenKind::Number, defined ? QStringLiteral("1") : QStringLiteral("0"), false});
        i = name + (parenthesis ? 1 : 0);
    }
    return out;
}

QStringView directiveRest(QStringView directive, QStringView& keyword)
{
    qsizetype i = directive.indexOf(u'#') + 1;
    while (i < directive.size() && isBlank(directive[i]))
        ++i;
    qsizetype end = i;
    while (end < directive.size() && isIdentifierChar(directive[end]))
        ++end;
    keyword = directive.sliced(i, end - i);
    QStringView rest = directive.sliced(end);
    while (!rest.isEmpty() && isBlank(rest.front()))
        rest = rest.sliced(1);
    while (!rest.isEmpty() && isBlank(rest.back()))
        rest.chop(1);
    return rest;
}

QStringView leadingIdentifier(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && isIdentifierChar(text[end]))
        ++end;
    if (end == 0 || !isIdentifierStart(text[0]))
        return {};
    return text.first(end);
}

}  // namespace

QString withoutDirectiveComments(QStringView directive)
{
    QString out;
    out.reserve(directive.size());
    for (qsizetype i = 0; i < directive.size(); ++i) {
        const QChar c = directive[i];
        const QChar after = i + 1 < directive.size() ? directive[i + 1] : QChar();
        if (c == u'\'' || c == u'"') {
            const qsizetype end = quotedTokenEnd(directive, i);
            out += directive.sliced(i, end - i);
            i = end - 1;
        } else if (c == u'/' && after == u'/') {
            break;
        } else if (c == u'/' && after == u'*') {
            const qsizetype close = directive.indexOf(u"*/", i + 2);
            out += u' ';
            if (close < 0)
                break;
            i = close + 1;
        } else {
            out += c;
        }
    }
    return out;
}

void MacroTable::take(QStringView directive)
{
    QStringView keyword;
    const QStringView rest = directiveRest(directive, keyword);
    const QStringView name = leadingIdentifier(rest);
    if (name.isEmpty())
        return;
    if (keyword == u"undef") {
        m_macros.remove(name.toString());
        return;
    }
    if (keyword != u"define")
        return;
    Macro macro;
    QStringView body = rest.sliced(name.size());
    if (body.startsWith(u'(')) {
        const qsizetype close = body.indexOf(u')');
        if (close < 0)
            return;
        macro.functionLike = true;
        for (const QStringView parameter : body.sliced(1, close - 1).split(u',')) {
            const QString trimmed = parameter.trimmed().toString();
            if (!trimmed.isEmpty())
                macro.parameters << trimmed;
        }
        body = body.sliced(close + 1);
    }
    macro.body = body.trimmed().toString();
    m_macros.insert(name.toString(), macro);
}

const MacroTable::Macro* MacroTable::find(QStringView name) const
{
    const auto found = m_macros.constFind(name.toString());
    return found == m_macros.cend() ? nullptr : &found.value();
}

std::optional<qint64> evaluateExpression(QStringView expression, const MacroTable& macros,
                                         bool condition, bool* outsideName)
{
    if (expression.size() > kLongestExpression)
        return std::nullopt;
    Tokens tokens = tokenize(expression);
    if (tokens.isEmpty())
        return std::nullopt;
    bool refused = false;
    if (condition)
        tokens = withDefinedTested(tokens, macros, refused, outsideName);
    Expander expander(macros);
    const Tokens expanded = refused ? Tokens() : expander.expand(tokens, 0);
    if (refused || expander.refused() || expanded.isEmpty())
        return std::nullopt;
    return Parser(expanded, condition, outsideName).parse();
}

ConditionStack::Outcome ConditionStack::take(QStringView directive, const MacroTable& macros,
                                             int lineNumber)
{
    QStringView keyword;
    const QStringView rest = directiveRest(directive, keyword);
    const bool opens = keyword == u"if" || keyword == u"ifdef" || keyword == u"ifndef";
    if (!opens && keyword != u"elif" && keyword != u"else" && keyword != u"endif")
        return Outcome::NotConditional;
    Outcome outcome = Outcome::Taken;
    if (opens) {
        Group group;
        group.parentActive = isActive();
        if (group.parentActive) {
            bool outsideName = false;
            if (keyword == u"if") {
                group.active = decide(rest, macros, lineNumber, outsideName);
            } else {
                const bool defined = macros.isDefined(leadingIdentifier(rest));
                group.active = defined == (keyword == u"ifdef");
                outsideName = !defined;
            }
            group.provisional =
                !group.active && outsideName && m_groups.size() < kDeepestProvisionalGroup;
        }
        group.taken = group.active;
        m_groups.append(group);
        if (!group.active && m_firstInactive < 0)
            m_firstInactive = m_groups.size() - 1;
    } else if (!m_groups.isEmpty()) {
        Group& group = m_groups.last();
        const bool outermostKept = group.provisional && keepsLinesAside();
        if (keyword == u"endif") {
            m_groups.removeLast();
            if (m_firstInactive == m_groups.size())
                m_firstInactive = -1;
            if (outermostKept)
                outcome = Outcome::ReadKeptLines;
        } else {
            if (outermostKept)
                outcome = Outcome::ForgetKeptLines;
            group.provisional = false;
            bool outsideName = false;
            if (keyword == u"else")
                group.active = group.parentActive && !group.taken;
            else
                group.active = group.parentActive && !group.taken &&
                               decide(rest, macros, lineNumber, outsideName);
            group.taken = group.taken || group.active || keyword == u"else";
            // Only the innermost group changes: it is the first inactive one, or none is.
            const qsizetype top = m_groups.size() - 1;
            if (group.active && m_firstInactive == top)
                m_firstInactive = -1;
            else if (!group.active && m_firstInactive < 0)
                m_firstInactive = top;
        }
    }
    return outcome;
}

bool ConditionStack::keepsLinesAside() const
{
    return m_firstInactive >= 0 && m_groups[m_firstInactive].provisional;
}

void ConditionStack::clear()
{
    m_groups.clear();
    m_firstInactive = -1;
}

QStringList ConditionStack::takeWarnings()
{
    return std::exchange(m_warnings, {});
}

bool ConditionStack::decide(QStringView condition, const MacroTable& macros, int lineNumber,
                            bool& outsideName)
{
    const std::optional<qint64> value = evaluateExpression(condition, macros, true, &outsideName);
    if (!value) {
        m_warnings << QStringLiteral("Satır %1: \"%2\" koşulu çözülemedi, #if 0 gibi okundu.")
                          .arg(lineNumber)
                          .arg(condition.toString());
        outsideName = false;
        return false;
    }
    return *value != 0;
}

}  // namespace pixmint
