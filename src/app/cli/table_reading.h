#pragma once

#include "recode_road.h"

#include <QString>

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

}  // namespace pixmint::cli
