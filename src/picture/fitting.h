#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace pixmint {

class EventYield;

// Copies a picture into a frame of the target size. With fit, the picture is stretched
// over the whole frame, each axis on its own, by the black-wins rule: on an axis with
// source length s and target length t, target index X covers the source indexes from
// floor(X·s/t) to max(floor(X·s/t), floor((X+1)·s/t) − 1), and the target pixel is the
// bitwise AND of the colours of all source pixels it covers. Enlarging repeats pixels;
// shrinking a black-and-white picture keeps a pixel black when any pixel it covers is.
// Without fit, the picture is cut to the frame at its natural size (top-left corner);
// the result may then be smaller than the frame, whose background shows around it.
// The result is Format_RGB32. Ticks the yield once per target row.
QImage ResmiAktar(const QImage& source, QSize target, bool fit, EventYield& yield);
QImage ResmiAktar(const QImage& source, QSize target, bool fit);

// The source preview: stretched smoothly (area average) to the frame with fit, since
// nothing reads it back; without fit, cut at natural size like ResmiAktar.
QImage smoothPreview(const QImage& source, QSize target, bool fit);

}  // namespace pixmint
