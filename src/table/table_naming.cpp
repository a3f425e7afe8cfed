#include "table_naming.h"

#include <QList>

#include <algorithm>

namespace pixmint {
namespace {

bool isIdentifierCharacter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') ||
           c == U'_';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

QString tableIdentifier(const QString& path)
{
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString base = path.mid(cut + 1);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    // Character by character, not by UTF-16 unit: a letter outside the basic plane is one
    // character and gives one "_".
    QString name;
    for (const char32_t c : base.toUcs4())
        name += isIdentifierCharacter(c) ? QChar(static_cast<char16_t>(c)) : QLatin1Char('_');
    if (name.isEmpty() || isDigit(name.front()))
        name.prepend(QLatin1Char('_'));
    return name;
}

bool isTableIdentifier(const QString& text)
{
    if (text.isEmpty() || isDigit(text.front()))
        return false;
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return isIdentifierCharacter(c.unicode()); });
}

QString frameTableName(const QString& name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}

}  // namespace pixmint
