#pragma once

#include <QImage>

namespace pixmint {

class EventYield;

// Receives the progress of the black-and-white conversion (the window's progress bar).
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setMaximum(qint64 maximum) = 0;
    virtual void setValue(qint64 value) = 0;
};

// Turns the picture black and white in place at its own size, by the light/dark rule
// (inverted when invert is set). The progress gets the value 0, the maximum
// (W + 1) × (H + 1), then a value at least once per row, the maximum itself at the end,
// and finally 0 again. The picture is converted to Format_RGB32 first when it is not.
// Ticks the yield once per row.
void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress, EventYield& yield);
void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress = nullptr);

}  // namespace pixmint
