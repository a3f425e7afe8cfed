#pragma once

#include "number_format.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixmint::cli {

enum class Subcommand { None, Picture, Recode, Render, Tables };

// What the command line asked for. A value option that was not given stays empty; each
// command applies its own defaults, since some of them come from the language's presets.
struct CliOptions {
    Subcommand subcommand = Subcommand::None;
    bool help = false;
    bool version = false;
    std::optional<QString> input;  // the first input
    QStringList inputs;            // every input, in the order given (picture takes several)
    bool invert = false;
    bool frames = false;  // picture: every frame of each picture
    bool check = false;   // picture, recode: compare with --output instead of writing

    std::optional<QString> width;
    std::optional<QString> height;
    std::optional<QString> lang;
    std::optional<QString> command;
    std::optional<QString> columns;
    std::optional<QString> prefix;
    std::optional<QString> suffix;
    std::optional<QString> separator;
    std::optional<QString> output;
    std::optional<QString> saveBmp;
    std::optional<QString> fromLang;
    std::optional<QString> fromCommand;
    std::optional<QString> fromPrefix;
    std::optional<QString> fromSuffix;
    std::optional<QString> fromSeparator;
    std::optional<QString> scale;
    std::optional<QString> name;  // picture: the table name of a single picture
    std::optional<QString> eol;   // picture, recode: "lf" or "crlf"
    bool smart = false;            // smart reading of recode and render
    std::optional<QString> table;  // the table smart reading takes: all, an index or a name
    std::optional<QString> skip;   // render: the leading entries that are no picture
    // The picture settings (--mirror is a switch).
    std::optional<QString> rotate;
    bool mirror = false;
    std::optional<QString> scaling;
    std::optional<QString> method;
    std::optional<QString> threshold;
    std::optional<QString> layout;

    // The options of the format written (--lang, --command, …) and of the format read
    // (--from-lang, --from-command, …).
    FormatOverrides targetFormat() const;
    FormatOverrides sourceFormat() const;
};

// One option: a value option fills a text, a switch a flag; and the subcommands that take it.
struct CliOption {
    QString name;  // without the leading "--"
    std::optional<QString> CliOptions::*value = nullptr;
    bool CliOptions::*flag = nullptr;
    QList<Subcommand> takenBy;  // empty: every subcommand, and none
};

// Every option, in the order the help lists them.
const QList<CliOption>& cliOptions();

// The outcome of parsing: the options, or a usage error (a Turkish message).
struct ParsedCommandLine {
    CliOptions options;
    QString usageError;
};

// Parses the arguments after the program name. The subcommand comes first (or --help,
// --version); then options and the input in any order (picture takes several inputs). An
// option's value follows it ("--width 96") or is joined by "=" ("--width=96"); a following
// value may begin with "-"; a repeated option keeps its last value; "--" ends the options.
// An option unknown to the subcommand, a value given to a switch, a missing value or a
// second input to recode or render is a usage error. A missing input is left for the
// command to report.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The text of --help and of --version.
QString helpText();
QString versionText();

}  // namespace pixmint::cli
