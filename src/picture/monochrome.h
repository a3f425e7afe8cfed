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

// Tells a sink (may be null) how far a pass over the rows of a W × H picture has come, as
// the window's progress bar shows it: the value 0 and the maximum (W + 1) × (H + 1) at the
// start, (y + 1) × (W + 1) once row y is done, then the maximum and 0 again at the finish.
class RowProgress {
public:
    RowProgress(ProgressSink* sink, qint64 width, qint64 height);
    void rowDone(qint64 y);
    void finish();

private:
    ProgressSink* m_sink;
    qint64 m_stepsPerRow;
    qint64 m_maximum;
};

// Turns the picture black and white in place at its own size, by the light/dark rule
// (inverted when invert is set): a pixel is light when its grey level (the whole-number
// mean of its channels) is above the threshold, 127 unless given. The progress gets the value 0,
// the maximum (W + 1) × (H + 1), then a value at least once per row, the maximum itself at the end,
// and finally 0 again. The picture is converted to Format_RGB32 first when it is not.
// Ticks the yield once per row.
void SiyahBeyazYap(QImage& picture, bool invert, int threshold, ProgressSink* progress,
                   EventYield& yield);
void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress, EventYield& yield);
void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress = nullptr);

}  // namespace pixmint
