#pragma once

#include "number_format.h"

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
DetectedFormat detectedFormat(const QString& text);

// The source group after "Aç" read the text: the language the markers name (the current
// one when none matches), that language's presets, and "Retlw" as the command when the
// markers say so.
NumberFormat withDetectedFormat(NumberFormat current, const QString& text);

}  // namespace pixmint
