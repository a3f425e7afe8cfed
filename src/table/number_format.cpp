#include "number_format.h"

namespace pixmint {

NumberFormat withLanguagePresets(NumberFormat format, const QString& languageText)
{
    format.language = languageText;
    const Language* language = languageNamed(languageText);
    if (!language) {
        format.command.clear();
        return format;
    }
    format.command = language->commands.value(0).text;
    format.prefix = language->prefix;
    format.suffix = language->suffix;
    format.separator = language->separator;
    format.sample = language->sample;
    format.numbersPerLine = language->numbersPerLine;
    return format;
}

NumberFormat presetFormat(const QString& languageText)
{
    return withLanguagePresets(NumberFormat{}, languageText);
}

NumberFormat withOverrides(NumberFormat format, const FormatOverrides& overrides)
{
    if (overrides.language)
        format = withLanguagePresets(std::move(format), *overrides.language);
    const auto take = [](QString& value, const std::optional<QString>& given) {
        if (given)
            value = *given;
    };
    take(format.command, overrides.command);
    take(format.prefix, overrides.prefix);
    take(format.suffix, overrides.suffix);
    take(format.separator, overrides.separator);
    take(format.numbersPerLine, overrides.numbersPerLine);
    return format;
}

}  // namespace pixmint
