#pragma once

#include "number_format.h"

#include <QString>
#include <QStringList>

namespace pixmint {

// The design's procedures of this layer, under their own names: the reader below cuts and
// reads every piece by the same rules on a text it has put in capitals once.

// The part of the piece before the first occurrence of the cut text (any letter case), in
// capitals; the whole piece in capitals when the cut text does not occur (an empty cut
// text never occurs).
QString Karakter_Kes(const QString& piece, const QString& cutText);

// The number text of a cut piece: trimmed of spaces and in capitals, and after the first occurrence
// of the prefix (any letter case) when the prefix is not empty and occurs.
QString Sayı_Bul(const QString& piece, const QString& prefix);

// Reads the numbers of a code text into the table (replaced whole), in their order.
// Lines end at CR LF, LF or a lone CR; a line loses everything from the first comment
// marker of the source language on; it is split at the separator, and a line of fewer
// than three pieces counts only when its first piece begins with the source prefix. Each
// piece loses its TABs, is cut and gives its number text; the last piece of a line gives
// nothing when it holds only TABs and spaces (the separator that ends a C table's line).
// Texts are trimmed of the space character only. With invert, each entry that is
// a hexadecimal number from 0 to FF becomes its 8-bit complement in two digits; any other
// entry is left as found. Returns how many entries could not be inverted.
// The format is the source group's: its language, command, prefix, suffix and separator.
int Kodu_dönüştür(const QString& sourceText, const NumberFormat& format, QStringList& table,
                  bool invert);

// Inverts the entries as Kodu_dönüştür does; returns how many could not be inverted.
int invertEntries(QStringList& table);

// The message shown when some entries could not be inverted.
QString notInvertedMessage(int count);

}  // namespace pixmint
