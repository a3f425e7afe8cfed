#pragma once

#include "pixel_grid.h"

#include <QImage>

namespace pixmint {

// Reads a W × H grid from the surface: grid(x, y) is EşikBiti of the pixel (x, y), dark
// gives 1; a pixel outside the surface counts as the invalid colour (light). Throws
// RunError 9 when W or H is below 1.
PixelGrid PikselleriOku(const QImage& surface, int width, int height, bool invert);

}  // namespace pixmint
