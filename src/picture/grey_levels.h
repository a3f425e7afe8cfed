#pragma once

#include "threshold.h"

#include <QImage>
#include <QSize>

#include <array>

namespace pixmint {

class EventYield;
class ProgressSink;

// How many pixels of a picture have each grey level. A Format_Grayscale8 picture holds its
// levels; of any other picture the levels of its colours are counted. Ticks once per row.
using LevelHistogram = std::array<qint64, 256>;
LevelHistogram levelHistogram(const QImage& picture, EventYield& yield);

// Otsu's threshold: the N from 0 to 254 that gives the largest variance between the class
// of levels up to N (dark) and the class above it; on a tie the smallest such N; 127 when
// every pixel has the same level (or there is none).
int otsuThreshold(const LevelHistogram& histogram);

// The picture's grey levels scaled to the target size by area average, as a
// Format_Grayscale8 picture. Per axis, with source length s and target length t, source
// pixel x covers [x·t, (x + 1)·t) and target pixel X covers [X·s, (X + 1)·s), in units of
// 1/t source pixel; the weight of a source pixel in a target pixel is the length of their
// overlap. A target level is the sum of level × wx × wy over the source pixels it overlaps,
// divided by sw × sh, rounded half up, all in 64-bit integers: exact, for shrinking and
// enlarging alike. At the picture's own size the levels come back unchanged.
// The progress (may be null) counts the source rows as SiyahBeyazYap counts its rows; the
// yield ticks once per source row read. A null picture or an empty target gives a null one.
QImage averageGrey(const QImage& picture, QSize target, ProgressSink* progress, EventYield& yield);

}  // namespace pixmint
