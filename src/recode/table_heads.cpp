#include "table_heads.h"

#include "written_numbers.h"

#include <QRegularExpression>

namespace pixmint {
namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The identifier that ends `text` (blanks after it ignored), or nothing.
std::optional<QStringView> trailingName(QStringView text)
{
    text = withoutBlanks(text);
    qsizetype start = text.size();
    while (start > 0 && isNameChar(text[start - 1]))
        --start;
    if (start == text.size() || text[start].isDigit())
        return std::nullopt;
    return text.sliced(start);
}

// The text before a trailing word, compared without case; nothing when the text does not
// end with the word.
std::optional<QStringView> beforeWord(QStringView text, QStringView word)
{
    text = withoutBlanks(text);
    if (!text.endsWith(word, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView before = text.chopped(word.size());
    if (!before.isEmpty() && isNameChar(before.back()))
        return std::nullopt;
    return before;
}

// The text before an assignment "=" that ends `text` (not "==", "<=", …).
std::optional<QStringView> beforeAssignment(QStringView text)
{
    text = withoutBlanks(text);
    if (!text.endsWith(u'=') ||
        (text.size() > 1 && QStringView(u"=!<>:").contains(text[text.size() - 2])))
        return std::nullopt;
    return withoutBlanks(text.chopped(1));
}

// The text before the "[…]" groups that end `text`.
std::optional<QStringView> beforeBrackets(QStringView text)
{
    text = withoutBlanks(text);
    if (!text.endsWith(u']'))
        return std::nullopt;
    while (text.endsWith(u']')) {
        int depth = 0;
        qsizetype i = text.size() - 1;
        for (; i >= 0; --i) {
            if (text[i] == u']')
                ++depth;
            else if (text[i] == u'[' && --depth == 0)
                break;
        }
        if (i < 0)
            return std::nullopt;
        text = withoutBlanks(text.first(i));
    }
    return text;
}

// The name declared in "… NAME" or "… NAME: TYPE" (the text before an "=").
std::optional<QString> declaredName(QStringView declaration)
{
    const qsizetype colon = declaration.indexOf(u':');
    if (colon >= 0)
        declaration = declaration.first(colon);
    const std::optional<QStringView> name = trailingName(declaration);
    return name ? std::optional<QString>(name->toString()) : std::nullopt;
}

}  // namespace

std::optional<QString> gfxRecordName(QStringView head)
{
    static const QRegularExpression record(QStringLiteral(
        "(?:^|[^A-Za-z0-9_])GFXfont\\s+(?:const\\s+)?([A-Za-z_][A-Za-z0-9_]*)[^=;{}()]*=\\s*$"));
    const QRegularExpressionMatch match = record.match(head);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

std::optional<QString> zigTableName(QStringView head)
{
    QStringView text = withoutBlanks(head);
    if (text.endsWith(u'.')) {
        // ".{", an anonymous list whose type the declaration gives.
        const std::optional<QStringView> declaration = beforeAssignment(text.chopped(1));
        if (!declaration || !declaration->contains(u'[') || !declaration->contains(u':'))
            return std::nullopt;
        return declaredName(*declaration);
    }
    const std::optional<QStringView> type = trailingName(text);
    if (!type)
        return std::nullopt;
    const std::optional<QStringView> array = beforeBrackets(text.chopped(type->size()));
    if (!array)
        return std::nullopt;
    const std::optional<QStringView> declaration = beforeAssignment(*array);
    if (!declaration)
        return std::nullopt;
    return declaredName(*declaration);
}

std::optional<QString> rustTableName(QStringView head)
{
    QStringView text = withoutBlanks(head);
    if (text.endsWith(u'&'))
        text.chop(1);
    const std::optional<QStringView> declaration = beforeAssignment(text);
    if (!declaration)
        return std::nullopt;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < declaration->size(); ++i) {
        if ((*declaration)[i] == u':' &&
            (i + 1 >= declaration->size() || (*declaration)[i + 1] != u':') &&
            (i == 0 || (*declaration)[i - 1] != u':')) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return std::nullopt;
    const QStringView type = withoutBlanks(declaration->sliced(colon + 1));
    if (type.isEmpty() || !(type.front() == u'[' || type.front() == u'&') || !type.endsWith(u']'))
        return std::nullopt;
    const std::optional<QStringView> name = trailingName(declaration->first(colon));
    return name ? std::optional<QString>(name->toString()) : std::nullopt;
}

std::optional<QString> pascalTableName(QStringView head)
{
    const std::optional<QStringView> typed = beforeAssignment(head);
    if (!typed)
        return std::nullopt;
    const std::optional<QStringView> type = trailingName(*typed);
    if (!type)
        return std::nullopt;
    const std::optional<QStringView> of = beforeWord(typed->chopped(type->size()), u"of");
    if (!of)
        return std::nullopt;
    const std::optional<QStringView> bounds = beforeBrackets(*of);
    if (!bounds)
        return std::nullopt;
    std::optional<QStringView> array = beforeWord(*bounds, u"array");
    if (!array)
        return std::nullopt;
    if (const std::optional<QStringView> packed = beforeWord(*array, u"packed"))
        array = packed;
    const QStringView declaration = withoutBlanks(*array);
    if (!declaration.endsWith(u':'))
        return std::nullopt;
    const std::optional<QStringView> name = trailingName(declaration.chopped(1));
    return name ? std::optional<QString>(name->toString()) : std::nullopt;
}

std::optional<PythonHead> pythonHead(QStringView code)
{
    qsizetype i = 0;
    while (i < code.size() && isBlank(code[i]))
        ++i;
    const qsizetype nameStart = i;
    while (i < code.size() && (isNameChar(code[i]) || code[i] == u'.'))
        ++i;
    if (i == nameStart || code[nameStart].isDigit())
        return std::nullopt;
    PythonHead head;
    head.name = code.sliced(nameStart, i - nameStart).toString();
    while (i < code.size() && isBlank(code[i]))
        ++i;
    if (i + 1 >= code.size() || code[i] != u'=' || code[i + 1] == u'=')
        return std::nullopt;
    ++i;
    while (i < code.size() && isBlank(code[i]))
        ++i;
    const QStringView rest = code.sliced(i);
    head.opener = i;
    if (rest == u"\\") {
        head.kind = PythonHead::Kind::Pending;
        return head;
    }
    for (const QStringView call :
         {QStringView(u"bytearray"), QStringView(u"bytes"), QStringView(u"memoryview")}) {
        if (rest.startsWith(call) && rest.sliced(call.size()).trimmed().startsWith(u'(')) {
            head.kind = PythonHead::Kind::Call;
            head.opener = i + call.size();
            return head;
        }
    }
    if (rest.startsWith(u'[') || rest.startsWith(u'(')) {
        head.kind = PythonHead::Kind::Bracket;
        return head;
    }
    if (rest.size() > 1 && rest.front().toLower() == u'b' &&
        (rest[1] == u'\'' || rest[1] == u'"')) {
        head.kind = PythonHead::Kind::ByteStrings;
        return head;
    }
    return std::nullopt;
}

}  // namespace pixmint
