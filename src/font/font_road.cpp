#include "font_road.h"

#include "font_text.h"

namespace pixmint {

FontRoadOutcome runFontRoad(const FontRoadRequest& request)
{
    Checked<FontGlyphs> glyphs = renderFontGlyphs(request.glyphs);
    if (!glyphs.ok()) {
        FontRoadOutcome outcome;
        outcome.failure = glyphs.failure();
        return outcome;
    }
    return runFontRoad(request, std::move(glyphs.value()));
}

FontRoadOutcome runFontRoad(const FontRoadRequest& request, FontGlyphs glyphs)
{
    FontRoadOutcome outcome;
    Checked<FontTables> tables =
        packFontTables(glyphs, request.format, request.layout, request.polarity);
    if (!tables.ok()) {
        outcome.failure = tables.failure();
        return outcome;
    }
    outcome.warnings = glyphs.warnings + tables->warnings;
    const QString name = request.name.isEmpty() ? glyphs.defaultName() : request.name;
    outcome.code = fontCodeText(tables.value(), glyphs, request.textFormat, name);
    outcome.tables = std::move(tables.value());
    outcome.glyphs = std::move(glyphs);
    return outcome;
}

}  // namespace pixmint
