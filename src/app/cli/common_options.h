#pragma once

#include "command.h"
#include "display_presets.h"
#include "number_format.h"

#include <iosfwd>

namespace pixmint::cli {

// Options that several commands own alike, declared once.

// A value option, and a switch (off unless given), with their help and default.
OptionSpec valueOption(const char* name, const char* valueName, const QString& help,
                       const QString& defaultText = QString());
OptionSpec switchOption(const char* name, const QString& help,
                        const QString& defaultText = QStringLiteral("kapalı"));
// A whole-number option from least to most (no upper bound without most).
OptionSpec numberOption(const char* name, const char* valueName, const QString& help, int least,
                        std::optional<int> most, const QString& defaultText);

// The format written: --lang, --command, --prefix, --suffix, --separator; with columns also
// --columns.
QList<OptionSpec> targetFormatOptions(bool columns);
// The format read: --from-lang, --from-command, --from-prefix, --from-suffix,
// --from-separator.
QList<OptionSpec> sourceFormatOptions();
// Smart reading: --smart and --table.
QList<OptionSpec> smartReadingOptions();
// --output FILE, with its help.
OptionSpec outputOption(const QString& valueName, const QString& help,
                        const QString& defaultText = QStringLiteral("standart çıktı"));
// --check and --eol, of the commands that write a code text.
QList<OptionSpec> writingOptions();
// --skip N, of the commands that read a table as a picture (0 when not given).
constexpr int kDefaultSkip = 0;
OptionSpec skipOption();
// --layout, with its help.
OptionSpec layoutOption(const QString& help);
// --invert, with its help.
OptionSpec invertOption(const QString& help);

// --display NAME (or list) and --polarity, of the commands that write a display's table.
QList<OptionSpec> displayOptions();
// Whether the command line asks for the list of displays: --display list; and the list
// written to out (UTF-8, as the help), returning the status Done.
bool asksForDisplayList(const CommandLine& line);
int writeDisplayList(std::ostream& out);
// What --display and --polarity ask for: the preset (nullptr without --display) and the
// polarity: --polarity when given, else the preset's, else dark. An option given beside
// --display wins over what the preset sets. The usage error of an unknown name or word.
struct DisplayChoice {
    const DisplayPreset* preset = nullptr;
    Polarity polarity = Polarity::Dark;
};
Checked<DisplayChoice> displayFrom(const CommandLine& line);

// The values given to the target format's and the source format's options.
FormatOverrides targetFormat(const CommandLine& line);
FormatOverrides sourceFormat(const CommandLine& line);

}  // namespace pixmint::cli
