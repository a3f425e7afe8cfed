#pragma once

#include "number_format.h"

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace pixmint::cli {

struct CliOptions;

// The usage problem of the reading options of recode and render, or nothing: --table
// needs --smart, and --smart reads no --from-* format.
std::optional<QString> readingOptionsProblem(const CliOptions& options);

// The source format as "Aç" leaves it for the text, then the --from-* options.
NumberFormat sourceFormat(const CliOptions& options, const QString& text);

// The entries of the table that smart reading chooses with --table (the largest byte table
// without it), two hexadecimal digits each. Tells the tables left out by "all" first;
// tells why and returns nothing when no table could be taken.
std::optional<QStringList> smartTable(const CliOptions& options, const QString& text,
                                      std::ostream& err);

}  // namespace pixmint::cli
