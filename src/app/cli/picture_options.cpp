#include "picture_options.h"

#include "common_options.h"

namespace pixmint::cli {
namespace {

// "a, b, c veya d": the option words of the choices.
template <typename T>
QStringList optionWords(const QList<Choice<T>>& choices)
{
    QStringList words;
    for (const Choice<T>& choice : choices)
        words << choice.option;
    return words;
}

QString listed(QStringList words)
{
    const QString last = words.takeLast();
    return words.isEmpty() ? last
                           : words.join(QStringLiteral(", ")) + QStringLiteral(" veya ") + last;
}

template <typename T>
OptionSpec choiceOption(const char* name, const char* valueName, const QString& help,
                        const QList<Choice<T>>& choices, T fallback)
{
    OptionSpec option;
    option.name = QString::fromLatin1(name);
    option.type = OptionType::Choice;
    option.valueName = QString::fromUtf8(valueName);
    option.words = optionWords(choices);
    option.help = help.arg(listed(option.words));
    for (const Choice<T>& choice : choices) {
        if (choice.value == fallback)
            option.defaultText = choice.option;
    }
    return option;
}

// The value the option names (the default when it was not given), or the usage error.
template <typename T>
Checked<T> chosen(const CommandLine& line, const char* option, const QList<Choice<T>>& choices,
                  T fallback)
{
    const std::optional<QString> given = line.text(QString::fromLatin1(option));
    if (!given)
        return fallback;
    if (const std::optional<T> value = choiceNamed(choices, *given))
        return *value;
    return Checked<T>::failed(
        QStringLiteral("--%1 %2 olmalı: \"%3\".")
            .arg(QLatin1String(option), listed(optionWords(choices)), *given));
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

QList<OptionSpec> pictureSettingsOptions()
{
    const PictureSettings defaults;
    OptionSpec mirror;
    mirror.name = QStringLiteral("mirror");
    mirror.type = OptionType::Switch;
    mirror.help = QStringLiteral("döndürdükten sonra sağ ile solu değiştirir");
    mirror.defaultText = QStringLiteral("kapalı");
    OptionSpec threshold;
    threshold.name = QStringLiteral("threshold");
    threshold.type = OptionType::WholeNumber;
    threshold.valueName = QStringLiteral("N");
    threshold.least = 0;
    threshold.most = 255;
    threshold.help = QStringLiteral("eşik, %1-%2: gri düzeyi bundan büyük piksel beyaz olur")
                         .arg(threshold.least)
                         .arg(*threshold.most);
    threshold.defaultText = QString::number(defaults.threshold);
    QStringList dithering;
    for (const Choice<Method>& choice : methodChoices()) {
        if (needsAverageScaling(choice.value))
            dithering << choice.option;
    }
    QList<OptionSpec> options = {
        choiceOption("rotate", "AÇI", QStringLiteral("resmi saat yönünde döndürür: %1"),
                     rotationChoices(), defaults.rotation),
        mirror,
        choiceOption("scaling", "ÖLÇEKLEME",
                     QStringLiteral("%1 (siyah kazanır: çizimler; ortalama: fotoğraflar)"),
                     scalingChoices(), defaults.scaling),
        choiceOption(
            "method", "YÖNTEM",
            QStringLiteral("%1; ") + listed(dithering) + QStringLiteral(" --scaling average ister"),
            methodChoices(), defaults.method),
        threshold,
        layoutOption(QStringLiteral("bayt düzeni")),
    };
    return options + displayOptions();
}

Checked<PictureSettings> pictureSettingsFrom(const CommandLine& line)
{
    PictureSettings s;
    const Checked<Rotation> rotation = chosen(line, "rotate", rotationChoices(), s.rotation);
    const Checked<Scaling> scaling = chosen(line, "scaling", scalingChoices(), s.scaling);
    const Checked<Method> method = chosen(line, "method", methodChoices(), s.method);
    const Checked<DisplayChoice> display = displayFrom(line);
    const Checked<ByteLayout> layout = layoutFrom(line, display);
    const Checked<int> threshold = line.number(QStringLiteral("threshold"), s.threshold);
    // The last problem found is the one told, as the options are read in this order.
    QString problem;
    for (const QString& failure : {rotation.failure(), scaling.failure(), method.failure(),
                                   layout.failure(), threshold.failure(), display.failure()}) {
        if (!failure.isEmpty())
            problem = failure;
    }
    if (!problem.isEmpty())
        return Checked<PictureSettings>::failed(problem);
    s.rotation = rotation.value();
    s.scaling = scaling.value();
    s.method = method.value();
    s.layout = layout.value();
    s.threshold = threshold.value();
    s.mirror = line.isSet(QStringLiteral("mirror"));
    s.polarity = display->polarity;
    s.display = display->preset ? display->preset->name : QString();
    if (needsAverageScaling(s.method) && s.scaling != Scaling::Average) {
        return Checked<PictureSettings>::failed(
            QStringLiteral("--method %1 --scaling average ister.").arg(methodWord(s.method)));
    }
    return s;
}

Checked<ByteLayout> layoutFrom(const CommandLine& line, ByteLayout fallback)
{
    return chosen(line, "layout", layoutChoices(), fallback);
}

Checked<ByteLayout> layoutFrom(const CommandLine& line, const Checked<DisplayChoice>& display)
{
    const bool preset = display.ok() && display->preset;
    return layoutFrom(line, preset ? display->preset->layout : PictureSettings{}.layout);
}

}  // namespace pixmint::cli
