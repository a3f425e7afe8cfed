#pragma once

#include "pixel_grid.h"

#include <QImage>
#include <QSize>

namespace pixmint {

// The sample as the window shows it: every display pixel a square of `factor` screen
// pixels, the largest whole factor from 1 to 12 at which the sample fits the area, dark
// pixels black on white; from a factor of 3 a grey grid line separates the squares. A
// sample wider than the area at factor 1 is cut at the area's right edge.
QImage enlargedSample(const PixelGrid& sample, QSize area, int& factor);

}  // namespace pixmint
