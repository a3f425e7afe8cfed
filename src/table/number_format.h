#pragma once

#include "language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixmint {

// The settings of one group of the windows, and of pixmint-cli: what the language list, the
// command list and the number format boxes hold, as texts. The presets, the code layout
// and the number extraction all read this one value.
struct NumberFormat {
    QString language;  // "Asm", "CCS", "Proton Basic", "C", "Arduino" or anything typed
    QString command;   // the table command, or for CCS the table name
    QString prefix;
    QString suffix;
    QString separator;
    QString sample;                                 // the appearance sample; shown only
    QString numbersPerLine = QStringLiteral("16");  // as typed; the converter always has 16

    bool operator==(const NumberFormat&) const = default;
};

// The format after choosing a language: its presets, with the first command; for a text
// that is no language, only the command is emptied and the rest stays as it was.
NumberFormat withLanguagePresets(NumberFormat format, const QString& languageText);

// The format a group shows at start for a language (its presets).
NumberFormat presetFormat(const QString& languageText);

// Values given on top of a format (the options of pixmint-cli); a value not given keeps the
// format's own.
struct FormatOverrides {
    std::optional<QString> language;  // applies that language's presets first
    std::optional<QString> command;
    std::optional<QString> prefix;
    std::optional<QString> suffix;
    std::optional<QString> separator;
    std::optional<QString> numbersPerLine;
};

// The format with the overrides applied: the language's presets first, then each value given.
NumberFormat withOverrides(NumberFormat format, const FormatOverrides& overrides);

}  // namespace pixmint
