#pragma once

#include "cli_output.h"

#include <QStringList>

#include <iosfwd>

namespace pixmint::cli {

struct CliOptions;

// Runs a whole command line (the arguments after the program name). Code text goes to the
// --output file, or as Windows-1254 bytes to out; help and version go to out as UTF-8.
// Every message goes to err as one line "pixmint-cli: TITLE: TEXT" (UTF-8).
int run(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The road of "Dönüştür" (with --invert "Resmi Tersle") on the input picture.
int runPicture(const CliOptions& options, std::ostream& out, std::ostream& err);
// The road of the converter's "Aç" then "Dönüştür" (with --invert "Tersle").
int runRecode(const CliOptions& options, std::ostream& out, std::ostream& err);
// Reads a table as recode does and draws it as a PNG picture.
int runRender(const CliOptions& options, std::ostream& out, std::ostream& err);
// Lists the tables that smart reading finds in an include file.
int runTables(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace pixmint::cli
