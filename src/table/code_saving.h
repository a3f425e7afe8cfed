#pragma once

#include <QString>

namespace pixmint {

// The texts of saving a code text; the save flow itself (KoduKaydet) is a window part.

// The filter of the code save dialog.
QString codeSaveFilter();
// The name proposed for saving: the last piece of the include path (split at "\" and "/"),
// up to its first ".", with ".h" for CCS, C and Arduino and ".inc" for any other language;
// empty when the path is empty.
QString proposedCodeFileName(const QString& includePath, const QString& languageText);
// "*.c" for CCS, "*.h" for C and Arduino, "*.inc" for any other language.
QString codeDefaultExtension(const QString& languageText);
// The question asked before a file is replaced.
QString overwriteQuestion(const QString& chosenPath);

// Turns the line ends of a text pane (LF) into the CR LF that files get.
QString withCrLf(const QString& paneText);
// Turns the CR LF line ends of a code text into LF alone (pixmint-cli --eol lf); a lone CR
// or LF stays as it is.
QString withLf(const QString& crLfText);

}  // namespace pixmint
