#pragma once

#include <QString>
#include <QStringList>

namespace pixmint {

enum class CodeLanguage { Asm, Ccs, ProtonBasic };

// What choosing a language writes into the settings boxes of either window.
struct LanguagePreset {
    CodeLanguage language;
    QString name;          // as listed: "Asm", "CCS", "Proton Basic"
    QStringList commands;  // the command list, first entry selected
    QString prefix;
    QString suffix;
    QString separator;
    QString sample;
    QString numbersPerLine;  // only the main window has a box for it
};

// The three rows, in list order.
const QList<LanguagePreset>& languagePresets();

// The language names as the language lists show them.
QStringList languageNames();

// The row whose name equals the text in upper case (no trimming: "Asm " matches nothing);
// nullptr for any other text. Upper-casing is locale-independent, so "proton basic",
// "Proton Basic" and "PROTON BASIC" all match.
const LanguagePreset* presetFor(const QString& languageText);

}  // namespace pixmint
