#include "language_presets.h"

namespace pixmint {

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

}  // namespace pixmint
