#include "recode_road.h"

#include "hex_digits.h"
#include "recoding.h"
#include "run_error.h"

#include <algorithm>

namespace pixmint {
namespace {

const QString kErrorTitle = QStringLiteral("Hata");
const QString kWarningTitle = QStringLiteral("Uyarı");

// The entries of the table, before any layout.
struct ReadEntries {
    bool ok = false;
    QStringList entries;
    int notInverted = 0;
    QList<RoadMessage> messages;
    LayoutHints hints;  // with withHints, of the one table taken smartly
};

ReadEntries readEntries(const RecodeRequest& request, bool invert, bool withHints = false)
{
    ReadEntries read;
    if (!request.smart) {
        read.notInverted = Kodu_dönüştür(request.text, request.source, read.entries, invert);
        read.ok = true;
        return read;
    }
    const QList<FoundTable> tables = request.tables ? *request.tables : findTables(request.text);
    ChosenTable chosen = chooseTable(tables, request.choice);
    if (!chosen.failure.isEmpty()) {
        read.messages.append({kErrorTitle, chosen.failure});
        return read;
    }
    for (const QString& warning : chosen.warnings)
        read.messages.append({kWarningTitle, warning});
    if (!chosen.leftOut.isEmpty())
        read.messages.append({kErrorTitle, chosen.leftOut});
    read.entries = std::move(chosen.entries);
    if (withHints && request.choice.kind != TableChoice::Kind::All && chosen.first >= 0)
        read.hints = layoutHints(request.text, tables[chosen.first]);
    if (invert)
        read.notInverted = invertEntries(read.entries);
    read.ok = true;
    return read;
}

RoadMessage incompleteLineMessage()
{
    const RunError error(IndexOutOfRange);
    return {error.title(QStringLiteral("HATA :")), error.description()};
}

}  // namespace

RecodeOutcome runRecodeRoad(const RecodeRequest& request, EventYield& yield)
{
    RecodeOutcome outcome;
    ReadEntries read = readEntries(request, request.invert);
    outcome.beforeText = std::move(read.messages);
    if (!read.ok)
        return outcome;
    outcome.tableRead = true;
    outcome.table = std::move(read.entries);
    const CodeTextOutcome code =
        codeTextFor(request.target, outcome.table, request.commentPath, yield);
    if (!code.failure.isEmpty()) {
        outcome.beforeText.append({kErrorTitle, code.failure});
        return outcome;
    }
    outcome.laidOut = true;
    outcome.code = code.code;
    // A table read smartly has as many numbers as it has: a shorter last line is no fault.
    if (outcome.code.incompleteLine && !request.smart)
        outcome.beforeText.append(incompleteLineMessage());
    if (read.notInverted > 0)
        outcome.afterText.append({kErrorTitle, notInvertedMessage(read.notInverted)});
    return outcome;
}

DrawnTable tableToDraw(const RecodeRequest& request, qint64 skip)
{
    DrawnTable drawn;
    ReadEntries read = readEntries(request, false, true);
    drawn.messages = std::move(read.messages);
    drawn.hints = std::move(read.hints);
    drawn.failed = !read.ok;
    if (drawn.failed)
        return drawn;
    drawn.bytes.reserve(static_cast<std::size_t>(read.entries.size()));
    for (qsizetype i = 0; i < read.entries.size(); ++i) {
        const QString& entry = read.entries[i];
        // The plain reader leaves an empty entry after a separator that ends a line.
        if (entry.isEmpty() || skip-- > 0)
            continue;
        const std::optional<int> value = hexByte(entry, DigitCase::Any);
        if (!value) {
            drawn.messages.append(
                {kErrorTitle,
                 QStringLiteral("Girdi %1 (\"%2\") 00 ile FF arasında onaltılık bir sayı değil.")
                     .arg(i)
                     .arg(entry)});
            drawn.failed = true;
            return drawn;
        }
        drawn.bytes.push_back(static_cast<std::uint8_t>(request.invert ? 255 - *value : *value));
    }
    return drawn;
}

Bytes withEditedPicture(const Bytes& table, qsizetype skip, const PixelGrid& picture,
                        ByteLayout layout)
{
    const auto kept =
        std::min<std::size_t>(std::size_t(std::max<qsizetype>(0, skip)), table.size());
    Bytes result(table.begin(), table.begin() + qsizetype(kept));
    Bytes packed = packedBytes(picture, layout);
    const std::size_t part = table.size() - kept;
    if (packed.size() > part &&
        std::all_of(packed.begin() + qsizetype(part), packed.end(), [](auto b) { return b == 0; }))
        packed.resize(part);
    result.insert(result.end(), packed.begin(), packed.end());
    return result;
}

}  // namespace pixmint
