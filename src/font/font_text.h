#pragma once

#include "code_layout.h"
#include "number_format.h"

#include <QString>

namespace pixmint {

struct FontGlyphs;
struct FontTables;

// The code text of a font's tables, named `name` (an identifier). The format is read as the
// windows read it (the language, then the numbers per line); a GFX font needs a language
// that writes one ("Adafruit GFX biçimi yalnız … dillerinde yazılır."). Every line ends in
// CR LF.
//  - cells, widths: the head of a named table (the comment line names the font and the
//    size), one line per glyph holding all of its numbers and a comment with its code and
//    character (commentedDataLine), the trailer. The numbers per line do not apply.
//  - gfx: the comment line, the language's GFX head, then the arrays NAMEBitmaps (the
//    format's prefix, suffix, separator and numbers per line), NAMEGlyphs (one entry a line,
//    a chosen glyph's with its comment) and the GFXfont NAME, as Adafruit's fontconvert
//    writes them.
CodeTextOutcome fontCodeText(const FontTables& tables, const FontGlyphs& glyphs,
                             const NumberFormat& format, const QString& name);

}  // namespace pixmint
