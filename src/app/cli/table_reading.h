#pragma once

#include "recode_road.h"

#include <QString>

#include <iosfwd>
#include <optional>

namespace pixmint::cli {

class CommandLine;

// The usage problem of the reading options of recode and render, or nothing: --table
// needs --smart, and --smart reads no --from-* format.
std::optional<QString> readingOptionsProblem(const CommandLine& line);

// The reading half of the recode road's request for the text: the source format as "Aç"
// leaves it, then the --from-* options; or smart reading with --table's choice (the
// largest byte table without it); --invert.
RecodeRequest recodeRequest(const CommandLine& line, const QString& text);

// The table of the input as render and guess read it: the include file, then the bytes of
// tableToDraw after `skip` entries (with the hints of a table read smartly). Says every
// message of the reading on err; nothing when the file or the table cannot be read.
// The word that asks the layout finder for --width and --layout.
inline const QString kAuto = QStringLiteral("auto");

// A reading of the finder as options that draw it, for a table of which `skip` entries were
// already left out: "--layout rows-msb-left --width 128 --skip 2 (128 × 64)".
QString guessDescription(const LayoutGuess& guess, qint64 skip);

std::optional<DrawnTable> readTableToDraw(const CommandLine& line, const QString& input,
                                          qint64 skip, std::ostream& err);

}  // namespace pixmint::cli
