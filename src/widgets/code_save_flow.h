#pragma once

#include <QString>

namespace pixmint {

class DialogService;
struct ProgramState;

// Saves a code text as an include file: proposes a name, shows the save dialog, sets
// DosyaYolu to the choice, asks before replacing a file, and writes the text one byte per
// character in Windows-1254. A cancelled dialog is silent; every other failure is shown as
// "Hata :" + number with its description. A file is never lost: the old one is replaced
// only by a completely written new one.
void KoduKaydet(const QString& text, DialogService& dialogs, const QString& languageText,
                ProgramState& state);

}  // namespace pixmint
