#pragma once

#include "recoding.h"

#include <QString>

namespace pixmint {

// What the four markers of a code text say about its format.
struct DetectedFormat {
    int languageIndex = -1;    // entry of the language list to select; -1: keep
    bool selectRetlw = false;  // select entry 1 ("Retlw") after the presets
};

// Searches the whole text in capitals, comments included, for "DT" (Asm), "CDATA"
// (Proton Basic), "RETLW" (Asm with Retlw) and "[]=" (CCS), in this order; the last match
// decides the language. Retlw is selected when "RETLW" matched and "[]=" did not.
DetectedFormat KoduTespitEt(const QString& text);

// The source group as "Aç" leaves it for a text when the window showed its start values:
// the language the markers name ("Asm" when none matches), that language's presets, and
// "Retlw" as the command when the markers say so.
SourceFormat detectedSourceFormat(const QString& text);

}  // namespace pixmint
