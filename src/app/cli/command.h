#pragma once

#include "checked.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <iosfwd>
#include <optional>

namespace pixmint::cli {

// What an option's value is read into.
enum class OptionType {
    Switch,       // no value
    Text,         // a text, used as given
    Size,         // the picture's width or height: read as the window reads its size boxes
    WholeNumber,  // a whole number within the option's range, read strictly
    Choice,       // one of the option's words
};

// One option of a command: what its parser takes, its help text and its manual entry.
struct OptionSpec {
    QString name;  // without "--"
    OptionType type = OptionType::Text;
    QString valueName;    // the value's name in the help ("EN"); empty for a switch
    QString help;         // what it does, in Turkish
    QString defaultText;  // the default the help names; empty: none to name
    int least = 0;        // WholeNumber: the range of its value
    std::optional<int> most;
    QStringList words;  // Choice: the words it takes, in the help's order

    bool isSwitch() const { return type == OptionType::Switch; }
};

// A use of a command, as the help's usage lines show it.
struct CommandUsage {
    QString arguments;    // after "pixmint-cli NAME"
    QString description;  // what it does, in Turkish
};

// What the command line gave a command: the values of its options and its inputs.
class CommandLine {
public:
    CommandLine() = default;
    CommandLine(QList<OptionSpec> options, QHash<QString, QString> values, QSet<QString> switches,
                QStringList inputs);

    bool isSet(const QString& name) const;
    // The last value given, or nothing.
    std::optional<QString> text(const QString& name) const;
    // A whole-number option's value read strictly ("8", " +8 "), or `fallback` when it was not
    // given; the usage error of a value that is no whole number within its range.
    Checked<int> number(const QString& name, int fallback) const;
    const QStringList& inputs() const { return m_inputs; }
    std::optional<QString> input() const;

private:
    const OptionSpec* optionNamed(const QString& name) const;

    QList<OptionSpec> m_options;
    QHash<QString, QString> m_values;
    QSet<QString> m_switches;
    QStringList m_inputs;
};

// One command of pixmint-cli, as KeePassXC's cli declares its commands: its name, what it
// does, the options it owns, and what runs it. The parser, --help and the manual page's
// option list come from these declarations.
struct Command {
    QString name;
    QList<CommandUsage> usages;
    QList<OptionSpec> options;
    bool severalInputs = false;
    std::function<int(const CommandLine&, std::ostream& out, std::ostream& err)> run;
};

// The usage error of a whole-number option: "--NAME 1 ile 16 arasında bir tam sayı olmalı".
QString numberProblem(const OptionSpec& option, const QString& given);

}  // namespace pixmint::cli
