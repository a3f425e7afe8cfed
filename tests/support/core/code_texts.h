#pragma once

#include "code_layout.h"
#include "event_yield.h"
#include "number_format.h"

#include <QString>
#include <QStringList>

namespace pixmint::testing {

// A language's presets with the given command, prefix, suffix, separator and numbers per
// line: the format a test writes or reads a table with.
inline NumberFormat codeFormat(const char* language, const QString& command, const QString& prefix,
                               const QString& suffix, const QString& separator, int numbersPerLine)
{
    NumberFormat format = presetFormat(QString::fromUtf8(language));
    format.command = command;
    format.prefix = prefix;
    format.suffix = suffix;
    format.separator = separator;
    format.numbersPerLine = QString::number(numbersPerLine);
    return format;
}

// The code text the layout writes for the table.
inline QString codeText(const NumberFormat& format, const QStringList& table,
                        const QString& commentPath = {}, const QString& tableName = {})
{
    EventYield none;
    return codeTextFor(format, table, commentPath, none, tableName).code.text;
}

}  // namespace pixmint::testing
