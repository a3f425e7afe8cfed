#pragma once

#include <QString>

namespace pixmint::testing {

// A file under tests/data.
inline QString testData(const QString& name)
{
    return QStringLiteral(PIXMINT_TEST_DATA "/") + name;
}

}  // namespace pixmint::testing

// Lets GoogleTest print QStrings in failure messages.
#include <QString>
#include <ostream>
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE
