#pragma once

#include "number_format.h"

#include <QString>

#include <optional>

namespace pixmint {

// What the markers of a code text say about its format.
struct DetectedFormat {
    const Language* language = nullptr;  // nullptr: no marker found, the group keeps its own
    std::optional<CommandRole> command;  // the command to choose after the presets, if any
};

// Searches the whole text in capitals, comments included, for the detection markers of the
// languages ("DT" and "RETLW" for Asm, "CDATA" for Proton Basic, "[]=" for CCS) in the order
// of their ranks; the last marker found decides the language, and the command when the
// marker names one ("RETLW": Retlw).
DetectedFormat detectedFormat(const QString& text);

// The source group after "Aç" read the text: the language the markers name (the current
// one when none matches), that language's presets, and the command the markers choose.
NumberFormat withDetectedFormat(NumberFormat current, const QString& text);

}  // namespace pixmint
