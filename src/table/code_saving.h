#pragma once

#include <QString>

namespace pixmint {

class DialogService;
struct ProgramState;

// The filter of the code save dialog.
QString codeSaveFilter();
// The name proposed for saving: the last piece of the include path (split at "\" and "/"),
// up to its first ".", with ".h" for CCS and ".inc" for any other language; empty when the
// path is empty.
QString proposedCodeFileName(const QString& includePath, const QString& languageText);
// "*.c" for CCS, "*.inc" for any other language.
QString codeDefaultExtension(const QString& languageText);
// The question asked before a file is replaced.
QString overwriteQuestion(const QString& chosenPath);

// Saves a code text as an include file: proposes a name, shows the save dialog, sets
// DosyaYolu to the choice, asks before replacing a file, and writes the text one byte per
// character in Windows-1254. A cancelled dialog is silent; every other failure is shown as
// "Hata :" + number with its description. A file is never lost: the old one is replaced
// only by a completely written new one.
void KoduKaydet(const QString& text, DialogService& dialogs, const QString& languageText,
                ProgramState& state);

// Turns the line ends of a text pane (LF) into the CR LF that files get.
QString withCrLf(const QString& paneText);

}  // namespace pixmint
