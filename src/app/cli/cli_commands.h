#pragma once

#include "cli_output.h"
#include "command.h"

#include <QStringList>

#include <iosfwd>

namespace pixmint::cli {

// Runs a whole command line (the arguments after the program name). Code text goes to the
// --output file, or as Windows-1254 bytes to out; help and version go to out as UTF-8.
// Every message goes to err as one line "pixmint-cli: TITLE: TEXT" (UTF-8).
int run(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The commands, in the order the help lists them, each declared in a file of its own.
const QList<Command>& commands();
Command pictureCommand();  // the road of "Dönüştür" (with --invert "Resmi Tersle")
Command recodeCommand();   // the converter's "Aç" then "Dönüştür" (with --invert "Tersle")
Command renderCommand();   // a table read as recode reads it, drawn as a PNG picture
Command tablesCommand();   // the tables smart reading finds in an include file
Command guessCommand();    // the layout finder's best readings of a table ("Düzeni bul")
Command fontCommand();     // a font's characters into glyph tables ("Yazı Tipi"'s "Dönüştür")
// --help and --version, which every command and none takes.
const QList<OptionSpec>& generalOptions();

// The outcome of parsing: the command and what the command line gave it, or a usage error
// (a Turkish message).
struct ParsedCommandLine {
    const Command* command = nullptr;  // nullptr with --help or --version alone
    CommandLine line;
    bool help = false;
    bool version = false;
    QString usageError;
};

// Parses the arguments after the program name. The command comes first (or --help,
// --version); then options and the inputs in any order. An option's value follows it
// ("--width 96") or is joined by "=" ("--width=96"); a following value may begin with "-";
// a repeated option keeps its last value; "--" ends the options. An option the command
// does not own, a value given to a switch, a missing value or a second input to a command
// that takes one is a usage error. A missing input is left for the command to report.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The text of --help, made from the commands' declarations, and of --version.
QString helpText();
QString versionText();

}  // namespace pixmint::cli
