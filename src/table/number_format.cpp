#include "number_format.h"

namespace pixmint {
namespace {

// C for XC8, SDCC and GCC, and Arduino: one byte an entry (uint8_t), on AVR kept in program
// memory. The two differ in their text only (see codeTextFor).
LanguagePreset cPreset(CodeLanguage language, const char* name)
{
    LanguagePreset preset;
    preset.language = language;
    preset.name = QString::fromLatin1(name);
    preset.commands = {QStringLiteral("resim[]=")};
    preset.prefix = QStringLiteral("0x");
    preset.separator = QStringLiteral(",");
    preset.sample = QStringLiteral("0xFF,");
    preset.numbersPerLine = QStringLiteral("16");
    return preset;
}

}  // namespace

const QList<LanguagePreset>& languagePresets()
{
    static const QList<LanguagePreset> presets = {
        {CodeLanguage::Asm,
         QStringLiteral("Asm"),
         {QStringLiteral("Dt"), QStringLiteral("Retlw")},
         QStringLiteral("0X"),
         QString(),
         QStringLiteral(","),
         QStringLiteral("0XFF,"),
         QStringLiteral("16")},
        {CodeLanguage::Ccs,
         QStringLiteral("CCS"),
         {QStringLiteral("Resim[]=")},
         QStringLiteral("0X"),
         QString(),
         QStringLiteral(","),
         QStringLiteral("0XFF,"),
         QStringLiteral("16")},
        {CodeLanguage::ProtonBasic,
         QStringLiteral("Proton Basic"),
         {QStringLiteral("CData")},
         QStringLiteral("$"),
         QString(),
         QStringLiteral(","),
         QStringLiteral("$FF,"),
         QStringLiteral("16")},
        cPreset(CodeLanguage::C, "C"),
        cPreset(CodeLanguage::Arduino, "Arduino"),
    };
    return presets;
}

QStringList languageNames()
{
    QStringList names;
    for (const LanguagePreset& preset : languagePresets())
        names << preset.name;
    return names;
}

const LanguagePreset* presetFor(const QString& languageText)
{
    const QString upper = languageText.toUpper();
    for (const LanguagePreset& preset : languagePresets()) {
        if (upper == preset.name.toUpper())
            return &preset;
    }
    return nullptr;
}

NumberFormat withLanguagePresets(NumberFormat format, const QString& languageText)
{
    format.language = languageText;
    const LanguagePreset* preset = presetFor(languageText);
    if (!preset) {
        format.command.clear();
        return format;
    }
    format.command = preset->commands.value(0);
    format.prefix = preset->prefix;
    format.suffix = preset->suffix;
    format.separator = preset->separator;
    format.sample = preset->sample;
    format.numbersPerLine = preset->numbersPerLine;
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
