#pragma once

#include "code_layout.h"
#include "font_glyphs.h"
#include "font_request.h"
#include "font_tables.h"

#include <QString>
#include <QStringList>

namespace pixmint {

// What the font road made. When failure is set, a check failed and nothing else is set; a
// failure of the text's own checks (the language, the numbers per line, a GFX font in
// another language) is code.failure, with the glyphs and tables made.
struct FontRoadOutcome {
    QString failure;       // shown under the title "Hata"
    QStringList warnings;  // shown, and the work went on
    FontGlyphs glyphs;
    FontTables tables;
    CodeTextOutcome code;
};

// The road of the font window's "Dönüştür" and of pixmint-cli font: the glyphs rendered and
// placed (renderFontGlyphs), packed in the format (packFontTables), laid out as code text
// (fontCodeText) named by the request's name, or the glyphs' default name.
FontRoadOutcome runFontRoad(const FontRoadRequest& request);
// The same from glyphs already rendered, whose pixels may have been replaced.
FontRoadOutcome runFontRoad(const FontRoadRequest& request, FontGlyphs glyphs);

}  // namespace pixmint
