#include "format_detection.h"

#include "language_presets.h"

namespace pixmint {
namespace {

// Entries of the language list: "Asm", "CCS", "Proton Basic".
constexpr int kAsm = 0;
constexpr int kCcs = 1;
constexpr int kProtonBasic = 2;

}  // namespace

DetectedFormat KoduTespitEt(const QString& text)
{
    // Comments and the path in the first line are searched too: the markers are plain
    // texts, and a file is not parsed before its language is known.
    const QString upper = text.toUpper();
    const bool dt = upper.contains(QLatin1String("DT"));
    const bool cdata = upper.contains(QLatin1String("CDATA"));
    const bool retlw = upper.contains(QLatin1String("RETLW"));
    const bool ccs = upper.contains(QLatin1String("[]="));

    DetectedFormat found;
    // Later rules override earlier ones, so they are tested last.
    if (dt)
        found.languageIndex = kAsm;
    if (cdata)
        found.languageIndex = kProtonBasic;
    if (retlw)
        found.languageIndex = kAsm;
    if (ccs)
        found.languageIndex = kCcs;
    found.selectRetlw = retlw && !ccs;
    return found;
}

SourceFormat detectedSourceFormat(const QString& text)
{
    const DetectedFormat found = KoduTespitEt(text);
    const LanguagePreset& preset =
        languagePresets().at(found.languageIndex < 0 ? kAsm : found.languageIndex);
    return {preset.name, preset.commands.value(found.selectRetlw ? 1 : 0), preset.prefix,
            preset.suffix, preset.separator};
}

}  // namespace pixmint
