#pragma once

#include <QList>
#include <QString>

#include <iosfwd>
#include <optional>

namespace pixmint {
class RunError;
struct RoadMessage;
}  // namespace pixmint

namespace pixmint::cli {

class CommandLine;

// The exit statuses of pixmint-cli.
enum ExitStatus : int {
    Done = 0,        // also after a message that a window shows and goes on from
    Failed = 1,      // nothing was written
    UsageError = 2,  // the command line itself is wrong
};

const QString& errorTitle();  // "Hata", the title of the windows' message boxes

// One line on err: "pixmint-cli: TITLE: TEXT". A message box may break its text over lines
// (a path after a file error); on the terminal it stays on one line.
void tell(std::ostream& err, const QString& title, const QString& text);
void tell(std::ostream& err, const RunError& error);
// The messages of a road, in their order.
void tell(std::ostream& err, const QList<RoadMessage>& messages);
// The incomplete-line message of the layout, under the title the window gives it.
void tellIncompleteLine(std::ostream& err);
// A usage error: the message and a pointer to --help; returns UsageError.
int usage(std::ostream& err, const QString& message);

// The usage error of the options that shape the written text (--eol, --check), or nothing.
std::optional<QString> writingProblem(const CommandLine& line);

// Writes a code text (CR LF line ends; LF with --eol lf) to the --output file, or as
// Windows-1254 bytes to out. With --check nothing is written: the --output file must
// already hold exactly those bytes, else "FILE güncel değil" is said. Returns false after
// saying why not.
bool writeText(const CommandLine& line, const QString& text, std::ostream& out, std::ostream& err);

// Reads an input include file; says why not and returns nothing when it cannot.
std::optional<QString> readInclude(const QString& path, std::ostream& err);

}  // namespace pixmint::cli
