#include "format_detection.h"

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

}  // namespace pixmint
