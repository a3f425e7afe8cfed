#include "code_layout.h"

#include "event_yield.h"
#include "number_reading.h"

namespace pixmint {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QChar kTab = QLatin1Char('\t');

void dropTrailing(QString& line, const QString& separator)
{
    if (!separator.isEmpty() && line.endsWith(separator))
        line.chop(separator.size());
}

void appendLine(QString& result, const QString& command, const QString& line)
{
    result += kTab;
    result += command;
    result += kTab;
    result += line;
    result += kLineEnd;
}

}  // namespace

LaidOutLines SatırlarıOluştur(const QStringList& table, const QString& command,
                              const QString& prefix, const QString& suffix,
                              const QString& separator, int numbersPerLine, bool keepLastSeparator,
                              EventYield& yield)
{
    const qsizetype n = numbersPerLine < 1 ? 1 : numbersPerLine;
    const qsizetype count = table.size();
    LaidOutLines out;
    qsizetype perEntry = prefix.size() + suffix.size() + separator.size() + 2;
    out.text.reserve(count * perEntry + (count / n + 1) * (command.size() + 4));
    QString line;
    for (qsizetype i = 0; i < count; i += n) {
        for (qsizetype k = 0; k < n; ++k) {
            if (i + k >= count) {
                // The last line is not full: the error path completes it.
                out.incompleteLine = true;
                dropTrailing(line, separator);
                appendLine(out.text, command, line);
                return out;
            }
            line += prefix;
            line += table[i + k];
            line += suffix;
            line += separator;
            yield.tick();
        }
        if (!keepLastSeparator)
            dropTrailing(line, separator);
        appendLine(out.text, command, line);
        line.clear();
    }
    if (count == 0) {
        // A table without entries takes the error path at once, with an empty line.
        out.incompleteLine = true;
        appendLine(out.text, command, QString());
    }
    return out;
}

QString commentMarker(CodeLanguage language)
{
    switch (language) {
    case CodeLanguage::Asm:
        return QStringLiteral(";");
    case CodeLanguage::Ccs:
    case CodeLanguage::C:
    case CodeLanguage::Arduino:
        return QStringLiteral("//");
    case CodeLanguage::ProtonBasic:
        break;
    }
    return QStringLiteral("'");
}

namespace {

// The first lines of a C table: the header that declares its type, and the array.
QString cTableHead(CodeLanguage language, const QString& arrayName)
{
    if (language == CodeLanguage::Arduino) {
        return QStringLiteral("#include <avr/pgmspace.h>") + kLineEnd +
               QStringLiteral("const uint8_t PROGMEM ") + arrayName + QStringLiteral("{") +
               kLineEnd;
    }
    return QStringLiteral("#include <stdint.h>") + kLineEnd + QStringLiteral("const uint8_t ") +
           arrayName + QStringLiteral("{") + kLineEnd;
}

// The line that names a table in the languages without arrays; empty for the others and for
// a table without a name.
QString labelLine(CodeLanguage language, const QString& tableName)
{
    if (tableName.isEmpty())
        return {};
    if (language == CodeLanguage::Asm)
        return tableName + kLineEnd;
    if (language == CodeLanguage::ProtonBasic)
        return tableName + QStringLiteral(":") + kLineEnd;
    return {};
}

LaidOutLines buildCodeText(CodeLanguage language, const QStringList& table,
                           const NumberFormat& format, int numbersPerLine,
                           const QString& commentPath, const QString& tableName, EventYield& yield)
{
    // A named table: the C languages name the array, the others put a label line first.
    QString head =
        commentMarker(language) + commentPath + kLineEnd + labelLine(language, tableName);
    const QString arrayName =
        tableName.isEmpty() ? format.command : tableName + QStringLiteral("[]=");
    LaidOutLines data;
    switch (language) {
    case CodeLanguage::Asm: {
        const int n = format.command.toUpper() == QStringLiteral("RETLW") ? 1 : numbersPerLine;
        data = SatırlarıOluştur(table, format.command, format.prefix, format.suffix,
                                format.separator, n, false, yield);
        break;
    }
    case CodeLanguage::Ccs:
        head += QStringLiteral("   const int  ") + arrayName + QStringLiteral("{") + kLineEnd;
        data = SatırlarıOluştur(table, QString(), format.prefix, format.suffix, format.separator,
                                numbersPerLine, true, yield);
        data.text += kLineEnd + kLineEnd + QStringLiteral("};") + kLineEnd;
        break;
    case CodeLanguage::C:
    case CodeLanguage::Arduino:
        head += cTableHead(language, arrayName);
        data = SatırlarıOluştur(table, QString(), format.prefix, format.suffix, format.separator,
                                numbersPerLine, true, yield);
        data.text += QStringLiteral("};") + kLineEnd;
        break;
    case CodeLanguage::ProtonBasic:
        data = SatırlarıOluştur(table, format.command, format.prefix, format.suffix,
                                format.separator, numbersPerLine, false, yield);
        data.text += kLineEnd;
        break;
    }
    data.text.prepend(head);
    return data;
}

}  // namespace

CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath, EventYield& yield, const QString& tableName)
{
    CodeTextOutcome outcome;
    const LanguagePreset* preset = presetFor(format.language);
    if (!preset) {
        outcome.failure = unknownLanguageMessage(format.language);
        return outcome;
    }
    const std::optional<int> perLine = readWholeNumber(format.numbersPerLine);
    if (!perLine) {
        outcome.failure = badNumbersPerLineMessage();
        return outcome;
    }
    outcome.code =
        buildCodeText(preset->language, table, format, *perLine, commentPath, tableName, yield);
    return outcome;
}

CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath)
{
    EventYield none;
    return codeTextFor(format, table, commentPath, none);
}

QString unknownLanguageMessage(const QString& languageText)
{
    return QStringLiteral("Bilinmeyen dil: \"") + languageText +
           QStringLiteral("\". Asm, CCS, Proton Basic, C veya Arduino kullanın.");
}

QString badNumbersPerLineMessage()
{
    return QStringLiteral("Sütun Sayısı bir tam sayı olmalıdır.");
}

}  // namespace pixmint
