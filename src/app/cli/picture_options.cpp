#include "picture_options.h"

#include "cli_options.h"

namespace pixmint::cli {
namespace {

// "a, b, c veya d": the option words of the choices.
template <typename T>
QString optionWords(const QList<Choice<T>>& choices)
{
    QStringList words;
    for (const Choice<T>& choice : choices)
        words << choice.option;
    const QString last = words.takeLast();
    return words.isEmpty() ? last
                           : words.join(QStringLiteral(", ")) + QStringLiteral(" veya ") + last;
}

// The value the option names (the default when it was not given), or the usage error.
template <typename T>
std::optional<T> chosen(const std::optional<QString>& given, const char* option,
                        const QList<Choice<T>>& choices, T fallback, QString& problem)
{
    if (!given)
        return fallback;
    if (const std::optional<T> value = choiceNamed(choices, *given))
        return value;
    problem = QStringLiteral("--%1 %2 olmalı: \"%3\".")
                  .arg(QLatin1String(option), optionWords(choices), *given);
    return std::nullopt;
}

// The threshold as written ("100", " +100 "), or nothing when it is no whole number from
// 0 to 255.
std::optional<int> thresholdOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return value;
}

QString methodWord(Method method)
{
    for (const Choice<Method>& choice : methodChoices()) {
        if (choice.value == method)
            return choice.option;
    }
    return {};
}

}  // namespace

PictureSettingsOptions pictureSettingsFrom(const CliOptions& options)
{
    PictureSettingsOptions read;
    PictureSettings& s = read.settings;
    QString& problem = read.usageError;
    s.rotation = chosen(options.rotate, "rotate", rotationChoices(), s.rotation, problem)
                     .value_or(s.rotation);
    s.scaling = chosen(options.scaling, "scaling", scalingChoices(), s.scaling, problem)
                    .value_or(s.scaling);
    s.method =
        chosen(options.method, "method", methodChoices(), s.method, problem).value_or(s.method);
    s.layout =
        chosen(options.layout, "layout", layoutChoices(), s.layout, problem).value_or(s.layout);
    s.mirror = options.mirror;
    if (options.threshold) {
        const std::optional<int> threshold = thresholdOf(*options.threshold);
        if (!threshold) {
            problem = QStringLiteral("--threshold 0 ile 255 arasında bir tam sayı olmalı: \"%1\".")
                          .arg(*options.threshold);
        }
        s.threshold = threshold.value_or(s.threshold);
    }
    if (problem.isEmpty() && needsAverageScaling(s.method) && s.scaling != Scaling::Average) {
        problem = QStringLiteral("--method %1 --scaling average ister.").arg(methodWord(s.method));
    }
    return read;
}

LayoutOption layoutFrom(const CliOptions& options)
{
    LayoutOption read;
    read.layout = chosen(options.layout, "layout", layoutChoices(), read.layout, read.usageError)
                      .value_or(read.layout);
    return read;
}

}  // namespace pixmint::cli
