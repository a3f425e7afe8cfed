#include "cli_commands.h"

#include "cli_options.h"

#include <ostream>

namespace pixmint::cli {

int run(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.usageError.isEmpty())
        return usage(err, parsed.usageError);
    const CliOptions& options = parsed.options;
    if (options.help || options.version) {
        out << (options.help ? helpText() : versionText()).toUtf8().constData();
        out.flush();
        return Done;
    }
    switch (options.subcommand) {
    case Subcommand::Picture:
        return runPicture(options, out, err);
    case Subcommand::Recode:
        return runRecode(options, out, err);
    case Subcommand::Render:
        return runRender(options, out, err);
    case Subcommand::Tables:
        return runTables(options, out, err);
    case Subcommand::None:
        break;
    }
    return usage(err, QStringLiteral("Bir komut verin: picture, recode, render veya tables."));
}

}  // namespace pixmint::cli
