#pragma once

#include "picture_settings.h"

#include <QImage>

namespace pixmint {

class EventYield;

// The picture turned clockwise by the rotation, then with left and right exchanged when
// mirror is set. Without either, the picture itself comes back (no copy); otherwise a new
// Format_RGB32 picture, whose sides are exchanged by a quarter or three-quarter turn.
// Ticks the yield once per 16 rows of the result.
QImage orientedPicture(const QImage& picture, Rotation rotation, bool mirror, EventYield& yield);

}  // namespace pixmint
