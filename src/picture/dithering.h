#pragma once

#include "picture_settings.h"
#include "pixel_grid.h"

#include <QImage>

namespace pixmint {

class EventYield;

// What a method makes of grey levels at the target size (a Format_Grayscale8 picture): the
// grid of its dark pixels (1), as large as the levels.
//  - Threshold: light when the level is above the threshold N.
//  - Otsu: the same with N = otsuThreshold of the levels.
//  - Bayer: light when level > 4·M(x mod 8, y mod 8) + N − 126, M the classic 8 × 8 Bayer
//    matrix (M(i, j) its row i, column j): with N = 127, level 0 is never light, 255
//    always, 128 on half the pixels.
//  - FloydSteinberg (7, 3, 5, 1 / 16) and Atkinson (1/8 to six neighbours, 3/4 of the error
//    kept): a value is light when above N, and its error is spread to the pixels not yet
//    decided, every row from left to right, in whole numbers (the same bytes on every
//    machine).
// Ticks the yield once per row.
PixelGrid darkPixels(const QImage& levels, Method method, int threshold, EventYield& yield);

// The black-and-white picture of the frame's size (Format_RGB32): the dark pixels black on
// white from the top-left corner, black and white exchanged where invert is set; the part
// of the frame beyond the grid stays white.
QImage blackAndWhitePicture(const PixelGrid& dark, QSize frame, bool invert);

}  // namespace pixmint
