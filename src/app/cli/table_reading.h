#pragma once

#include "recode_road.h"

#include <QString>

#include <optional>

namespace pixmint::cli {

struct CliOptions;

// The usage problem of the reading options of recode and render, or nothing: --table
// needs --smart, and --smart reads no --from-* format.
std::optional<QString> readingOptionsProblem(const CliOptions& options);

// The reading half of the recode road's request for the text: the source format as "Aç"
// leaves it, then the --from-* options; or smart reading with --table's choice (the
// largest byte table without it); --invert.
RecodeRequest recodeRequest(const CliOptions& options, const QString& text);

}  // namespace pixmint::cli
