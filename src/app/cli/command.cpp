#include "command.h"

#include "number_reading.h"

namespace pixmint::cli {

CommandLine::CommandLine(QList<OptionSpec> options, QHash<QString, QString> values,
                         QSet<QString> switches, QStringList inputs)
    : m_options(std::move(options)),
      m_values(std::move(values)),
      m_switches(std::move(switches)),
      m_inputs(std::move(inputs))
{
}

bool CommandLine::isSet(const QString& name) const
{
    return m_switches.contains(name) || m_values.contains(name);
}

std::optional<QString> CommandLine::text(const QString& name) const
{
    const auto found = m_values.constFind(name);
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

Checked<int> CommandLine::number(const QString& name, int fallback) const
{
    const std::optional<QString> given = text(name);
    if (!given)
        return fallback;
    const OptionSpec* option = optionNamed(name);
    const std::optional<int> value = plainWholeNumber(*given);
    if (option && value && *value >= option->least && (!option->most || *value <= *option->most))
        return *value;
    return Checked<int>::failed(option ? numberProblem(*option, *given) : QString());
}

std::optional<QString> CommandLine::input() const
{
    if (m_inputs.isEmpty())
        return std::nullopt;
    return m_inputs.first();
}

const OptionSpec* CommandLine::optionNamed(const QString& name) const
{
    for (const OptionSpec& option : m_options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

QString numberProblem(const OptionSpec& option, const QString& given)
{
    if (!option.most) {
        return QStringLiteral("--%1 %2 ya da daha büyük bir tam sayı olmalı: \"%3\".")
            .arg(option.name)
            .arg(option.least)
            .arg(given);
    }
    return QStringLiteral("--%1 %2 ile %3 arasında bir tam sayı olmalı: \"%4\".")
        .arg(option.name)
        .arg(option.least)
        .arg(*option.most)
        .arg(given);
}

}  // namespace pixmint::cli
