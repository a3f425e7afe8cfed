#include "code_layout.h"

#include "event_yield.h"
#include "hex_digits.h"
#include "number_reading.h"

#include <algorithm>
#include <climits>

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

// The lines of count entries; appendEntry(text, i) appends entry i to the text.
template <typename AppendEntry>
LaidOutLines layOutLines(qsizetype count, const AppendEntry& appendEntry, const QString& command,
                         const QString& prefix, const QString& suffix, const QString& separator,
                         int numbersPerLine, bool keepLastSeparator, EventYield& yield)
{
    const qsizetype n = numbersPerLine < 1 ? 1 : numbersPerLine;
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
            appendEntry(line, i + k);
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

template <typename AppendEntry>
LaidOutLines layOut(const TextFormat& format, qsizetype count, const AppendEntry& appendEntry,
                    const QString& commentPath, EventYield& yield, const QString& tableName)
{
    LaidOutLines data = layOutLines(count, appendEntry, dataCommand(format), format.prefix,
                                    format.suffix, format.separator, numbersPerDataLine(format),
                                    format.language->writesArray(), yield);
    data.text.prepend(tableHead(format, commentPath, tableName));
    data.text += tableTrailer(format);
    return data;
}

}  // namespace

LaidOutLines SatırlarıOluştur(const QStringList& table, const QString& command,
                              const QString& prefix, const QString& suffix,
                              const QString& separator, int numbersPerLine, bool keepLastSeparator,
                              EventYield& yield)
{
    const auto entry = [&table](QString& line, qsizetype i) { line += table[i]; };
    return layOutLines(table.size(), entry, command, prefix, suffix, separator, numbersPerLine,
                       keepLastSeparator, yield);
}

Checked<TextFormat> readTextFormat(const NumberFormat& format)
{
    const Language* language = languageNamed(format.language);
    if (!language)
        return Checked<TextFormat>::failed(unknownLanguageMessage(format.language));
    const std::optional<int> perLine = readWholeNumber(format.numbersPerLine);
    if (!perLine)
        return Checked<TextFormat>::failed(badNumbersPerLineMessage());
    return TextFormat{language,      format.command,   format.prefix,
                      format.suffix, format.separator, *perLine};
}

QString tableHead(const TextFormat& format, const QString& commentPath, const QString& tableName)
{
    const Language& language = *format.language;
    QString head = language.commentMarker + commentPath + kLineEnd;
    if (language.writesArray()) {
        const QString arrayName =
            tableName.isEmpty() ? format.command : tableName + QStringLiteral("[]=");
        head += language.declaration + arrayName + QStringLiteral("{") + kLineEnd;
    } else if (!tableName.isEmpty()) {
        head += language.nameLine.arg(tableName) + kLineEnd;
    }
    return head;
}

QString tableTrailer(const TextFormat& format)
{
    return format.language->trailer;
}

QString dataCommand(const TextFormat& format)
{
    return format.language->writesArray() ? QString() : format.command;
}

int numbersPerDataLine(const TextFormat& format)
{
    return format.language->takesOneNumberPerLine(format.command) ? 1 : format.numbersPerLine;
}

LaidOutLines layOutTable(const TextFormat& format, const QStringList& table,
                         const QString& commentPath, EventYield& yield, const QString& tableName)
{
    const auto entry = [&table](QString& line, qsizetype i) { line += table[i]; };
    return layOut(format, table.size(), entry, commentPath, yield, tableName);
}

LaidOutLines layOutTable(const TextFormat& format, const Bytes& bytes, const QString& commentPath,
                         EventYield& yield, const QString& tableName)
{
    const auto entry = [&bytes](QString& line, qsizetype i) {
        line += twoHexDigits(bytes[static_cast<std::size_t>(i)]);
    };
    return layOut(format, static_cast<qsizetype>(bytes.size()), entry, commentPath, yield,
                  tableName);
}

QString commentedDataLine(const TextFormat& format, const Bytes& bytes, const QString& comment)
{
    const QString marked = format.language->commentMarker + QLatin1Char(' ') + comment;
    if (bytes.empty())
        return marked + kLineEnd;
    const auto entry = [&bytes](QString& line, qsizetype i) {
        line += twoHexDigits(bytes[static_cast<std::size_t>(i)]);
    };
    const qsizetype count = static_cast<qsizetype>(bytes.size());
    const bool oneANumber = numbersPerDataLine(format) == 1;
    // Every number on one line: the line is full, so it ends as the table's full lines do.
    const int perLine = oneANumber ? 1 : static_cast<int>(std::min<qsizetype>(count, INT_MAX));
    EventYield none;
    QString lines = layOutLines(count, entry, dataCommand(format), format.prefix, format.suffix,
                                format.separator, perLine, format.language->writesArray(), none)
                        .text;
    if (oneANumber)
        return marked + kLineEnd + lines;
    lines.insert(lines.size() - kLineEnd.size(), QLatin1Char(' ') + marked);
    return lines;
}

CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath, EventYield& yield, const QString& tableName)
{
    CodeTextOutcome outcome;
    const Checked<TextFormat> read = readTextFormat(format);
    if (!read.ok())
        outcome.failure = read.failure();
    else
        outcome.code = layOutTable(read.value(), table, commentPath, yield, tableName);
    return outcome;
}

CodeTextOutcome codeTextFor(const NumberFormat& format, const QStringList& table,
                            const QString& commentPath)
{
    EventYield none;
    return codeTextFor(format, table, commentPath, none);
}

QString badNumbersPerLineMessage()
{
    return QStringLiteral("Sütun Sayısı bir tam sayı olmalıdır.");
}

}  // namespace pixmint
