#include "format_detection.h"

namespace pixmint {
namespace {

// Entries of the language list: "Asm", "CCS", "Proton Basic".
constexpr int kAsm = 0;
constexpr int kCcs = 1;
constexpr int kProtonBasic = 2;

}  // namespace

DetectedFormat detectedFormat(const QString& text)
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

NumberFormat withDetectedFormat(NumberFormat current, const QString& text)
{
    const DetectedFormat found = detectedFormat(text);
    const QString language =
        found.languageIndex < 0 ? current.language : languagePresets().at(found.languageIndex).name;
    NumberFormat format = withLanguagePresets(std::move(current), language);
    const LanguagePreset* preset = presetFor(language);
    if (found.selectRetlw && preset && preset->commands.size() > 1)
        format.command = preset->commands.at(1);
    return format;
}

}  // namespace pixmint
