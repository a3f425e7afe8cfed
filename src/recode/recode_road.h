#pragma once

#include "byte_layout.h"
#include "code_layout.h"
#include "layout_finder.h"
#include "number_format.h"
#include "smart_reading.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixmint {

class EventYield;

// What the converter's "Dönüştür" and "Tersle", pixmint-cli recode and render ask of an
// include file's text.
struct RecodeRequest {
    QString text;         // the source text
    QString commentPath;  // named in the comment line of the code text
    bool smart = false;   // "Akıllı okuma"
    NumberFormat source;  // without smart reading: the source group's format
    TableChoice choice;   // with smart reading: the table to take
    // With smart reading, the tables already found in the text (the window's list has
    // them); found anew when not given.
    std::optional<QList<FoundTable>> tables;
    bool invert = false;  // "Tersle"
    NumberFormat target = presetFormat(QStringLiteral("Asm"));
};

// A message box the road asks for, in the order they are shown.
struct RoadMessage {
    QString title;
    QString text;
    bool operator==(const RoadMessage&) const = default;
};

// What the recode road made.
struct RecodeOutcome {
    bool tableRead = false;  // the byte table was read (else the one kept stays as it was)
    QStringList table;       // the entries read, inverted with invert
    bool laidOut = false;    // the code text was laid out (else the output keeps its text)
    LaidOutLines code;
    QList<RoadMessage> beforeText;  // shown before the code text; the last says why not
    QList<RoadMessage> afterText;   // shown after it (entries that could not be inverted)
};

// Reads the table and lays it out with the target format. Without smart reading the source
// format's reader takes every entry (inverting each as it goes); with smart reading the
// chosen table's numbers are taken (a choice that takes nothing stops the road with its
// message; the warnings of the tables taken ("Uyarı") and the tables "all" leaves out are
// named first) and inverted afterwards. Then the
// target format is read and the table laid out; the incomplete-line message of the layout
// follows (not for a table read smartly, whose last line is simply shorter), then the count
// of entries that could not be inverted. Yields as the layout does.
RecodeOutcome runRecodeRoad(const RecodeRequest& request, EventYield& yield);

// The bytes of a table to draw: read as the road reads it but without its empty entries,
// without the first `skip` entries, then inverted with invert. An entry that is no byte
// (hexadecimal, up to FF) fails, named by its number among the entries the road reads.
// With smart reading of one table, the hints are what the file states of its picture (for
// the layout finder: findLayouts(bytes, hints)); otherwise there are none.
struct DrawnTable {
    Bytes bytes;
    LayoutHints hints;
    QList<RoadMessage> messages;  // the last says why not, when failed is set
    bool failed = false;
};
DrawnTable tableToDraw(const RecodeRequest& request, qint64 skip);

// A table whose picture was edited, put back: the first `skip` entries as they were, then
// the picture packed in the layout. The packed part keeps the length the picture's part had
// when the bytes beyond it (a last page or row that the table did not fill) are all 0.
Bytes withEditedPicture(const Bytes& table, qsizetype skip, const PixelGrid& picture,
                        ByteLayout layout);

}  // namespace pixmint
