#pragma once

#include "pixel_grid.h"

#include <QImage>
#include <QString>

#include <optional>

namespace pixmint {

class EventYield;
class ProgressSink;

// The largest target the program makes.
constexpr qint64 kMaxTargetSide = 16384;
constexpr qint64 kMaxTargetPixels = 16'777'216;

// Nothing when width and height are within the limits; else the message to show.
std::optional<QString> targetSizeProblem(qint64 width, qint64 height);

// What a conversion produces from a decoded picture.
struct ConvertedPicture {
    QImage target;  // width × height, black and white
    PixelGrid grid;
};

// The road of "Dönüştür" after decoding: the picture is turned black and white in place
// (inverted with invert), stretched by the black-wins rule to width × height, and read into
// the grid. The size must pass targetSizeProblem.
ConvertedPicture convertPicture(QImage& picture, int width, int height, bool invert,
                                ProgressSink* progress, EventYield& yield);

}  // namespace pixmint
