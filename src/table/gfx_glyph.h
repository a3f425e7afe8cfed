#pragma once

namespace pixmint {

// One entry of an Adafruit GFX font's glyph array, as gfxfont.h declares it: where the
// glyph's bits start in the bitmap array, its size, how far the pen moves on, and where its
// top left pixel stands from the pen (yOffset is 1 − the rows of ink above the baseline).
struct GfxGlyph {
    int bitmapOffset = 0;
    int width = 0;
    int height = 0;
    int xAdvance = 0;
    int xOffset = 0;
    int yOffset = 0;

    bool operator==(const GfxGlyph&) const = default;
};

}  // namespace pixmint
