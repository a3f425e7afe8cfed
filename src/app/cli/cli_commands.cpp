#include "cli_commands.h"

#include <QCommandLineParser>

#include <ostream>

namespace pixmint::cli {
namespace {

// "picture, recode, render, tables, guess veya font".
QString commandWords()
{
    QStringList names;
    for (const Command& command : commands())
        names << command.name;
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" veya ") + last;
}

QString giveACommand()
{
    return QStringLiteral("Bir komut verin: %1.").arg(commandWords());
}

QString unknownCommand(const QString& word)
{
    return QStringLiteral("Bilinmeyen komut: \"%1\". %2 kullanın.").arg(word, commandWords());
}

const Command* commandNamed(const QString& word)
{
    for (const Command& command : commands()) {
        if (command.name == word)
            return &command;
    }
    return nullptr;
}

// Every option some command or none takes.
QList<OptionSpec> everyOption()
{
    QList<OptionSpec> options = generalOptions();
    for (const Command& command : commands()) {
        for (const OptionSpec& option : command.options) {
            const bool known =
                std::any_of(options.begin(), options.end(),
                            [&](const OptionSpec& o) { return o.name == option.name; });
            if (!known)
                options << option;
        }
    }
    return options;
}

const OptionSpec* optionNamed(const QList<OptionSpec>& options, const QString& name)
{
    for (const OptionSpec& option : options) {
        if (option.name == name || (option.name == QStringLiteral("help") && name == u'h'))
            return &option;
    }
    return nullptr;
}

QCommandLineOption parserOption(const OptionSpec& option)
{
    QStringList names = {option.name};
    if (option.name == QStringLiteral("help"))
        names.prepend(QStringLiteral("h"));
    if (option.isSwitch())
        return QCommandLineOption(names);
    return QCommandLineOption(names, option.help, option.valueName);
}

// The usage error of a value option written last, with no value after it, or of a switch
// given a value, or nothing. The parser would tell these only in English; the words are
// read here the way it reads them: a value option takes the next word whatever it is.
std::optional<QString> valueProblem(const QStringList& words, const QList<OptionSpec>& known)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QStringLiteral("--"))
            return std::nullopt;
        if (word.size() < 2 || !word.startsWith(u'-'))
            continue;
        const qsizetype dashes = word.startsWith(QStringLiteral("--")) ? 2 : 1;
        const qsizetype equals = word.indexOf(u'=');
        const QString written = equals < 0 ? word : word.left(equals);
        const OptionSpec* option = optionNamed(known, written.mid(dashes));
        if (!option)
            continue;
        if (option->isSwitch() && equals >= 0)
            return QStringLiteral("%1 bir değer almaz.").arg(written);
        if (!option->isSwitch() && equals < 0) {
            if (i + 1 == words.size())
                return QStringLiteral("%1 bir değer ister.").arg(written);
            ++i;
        }
    }
    return std::nullopt;
}

// The argument as the user wrote an option that the parser names without its dashes.
QString writtenOption(const QString& name, const QStringList& arguments)
{
    QString longForm = QStringLiteral("--") + name;
    for (const QString& argument : arguments) {
        if (argument == longForm || argument.startsWith(longForm + QLatin1Char('=')))
            return longForm;
    }
    return QLatin1Char('-') + name;
}

QString unknownOptionProblem(const QString& name, const QStringList& arguments,
                             const Command* command)
{
    if (command && optionNamed(everyOption(), name)) {
        return QStringLiteral("--%1 seçeneği %2 komutunda kullanılamaz.").arg(name, command->name);
    }
    return QStringLiteral("Bilinmeyen seçenek: %1").arg(writtenOption(name, arguments));
}

ParsedCommandLine usageError(const QString& message)
{
    ParsedCommandLine parsed;
    parsed.usageError = message;
    return parsed;
}

// What a parser set up with these options makes of the words, or a usage error.
ParsedCommandLine parsed(const QList<OptionSpec>& options, const QStringList& words,
                         const QStringList& arguments, const Command* command)
{
    if (const std::optional<QString> problem = valueProblem(words, options))
        return usageError(*problem);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec& option : options)
        parser.addOption(parserOption(option));
    if (!parser.parse(QStringList{QStringLiteral("pixmint-cli")} + words)) {
        const QStringList unknown = parser.unknownOptionNames();
        // Nothing else is left for the parser to refuse once the values are checked.
        return usageError(unknown.isEmpty()
                              ? parser.errorText()
                              : unknownOptionProblem(unknown.first(), arguments, command));
    }
    ParsedCommandLine result;
    result.command = command;
    result.help = parser.isSet(QStringLiteral("help"));
    result.version = parser.isSet(QStringLiteral("version"));
    QHash<QString, QString> values;
    QSet<QString> switches;
    for (const OptionSpec& option : options) {
        if (!parser.isSet(option.name))
            continue;
        if (option.isSwitch())
            switches << option.name;
        else
            values.insert(option.name, parser.values(option.name).constLast());
    }
    result.line = CommandLine(options, values, switches, parser.positionalArguments());
    return result;
}

// Without a command only --help and --version are something to do.
ParsedCommandLine withoutCommand(const QStringList& arguments)
{
    ParsedCommandLine result = parsed(everyOption(), arguments, arguments, nullptr);
    if (!result.usageError.isEmpty() || result.help || result.version)
        return result;
    for (const OptionSpec& option : everyOption()) {
        if (result.line.isSet(option.name))
            return usageError(QStringLiteral("Önce bir komut verin: %1.").arg(commandWords()));
    }
    if (!result.line.inputs().isEmpty())
        return usageError(unknownCommand(result.line.inputs().first()));
    return usageError(giveACommand());
}

}  // namespace

const QList<Command>& commands()
{
    static const QList<Command> all = {pictureCommand(), recodeCommand(), renderCommand(),
                                       tablesCommand(),  guessCommand(),  fontCommand()};
    return all;
}

const QList<OptionSpec>& generalOptions()
{
    static const QList<OptionSpec> options = [] {
        OptionSpec help;
        help.name = QStringLiteral("help");
        help.type = OptionType::Switch;
        help.help = QStringLiteral("bu yardımı gösterir");
        OptionSpec version;
        version.name = QStringLiteral("version");
        version.type = OptionType::Switch;
        version.help = QStringLiteral("sürümü gösterir");
        return QList<OptionSpec>{help, version};
    }();
    return options;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return usageError(giveACommand());
    const Command* command = commandNamed(arguments.first());
    if (!command) {
        const bool optionFirst = arguments.first().size() > 1 && arguments.first().startsWith(u'-');
        return optionFirst ? withoutCommand(arguments)
                           : usageError(unknownCommand(arguments.first()));
    }
    ParsedCommandLine result =
        parsed(command->options + generalOptions(), arguments.mid(1), arguments, command);
    if (!result.usageError.isEmpty() || result.help || result.version)
        return result;
    const QStringList& inputs = result.line.inputs();
    if (inputs.size() > 1 && !command->severalInputs) {
        return usageError(QStringLiteral("Yalnız bir girdi dosyası verilebilir; fazlası: \"%1\".")
                              .arg(inputs.at(1)));
    }
    return result;
}

int run(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.usageError.isEmpty())
        return usage(err, parsed.usageError);
    if (parsed.help || parsed.version) {
        out << (parsed.help ? helpText() : versionText()).toUtf8().constData();
        out.flush();
        return Done;
    }
    return parsed.command->run(parsed.line, out, err);
}

QString versionText()
{
    return QStringLiteral("pixmint-cli " PIXMINT_VERSION_TEXT "\n");
}

}  // namespace pixmint::cli
