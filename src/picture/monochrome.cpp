#include "monochrome.h"

#include "event_yield.h"
#include "threshold.h"

namespace pixmint {

void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress, EventYield& yield)
{
    // The step count of the progress covers one row and one column more than the picture
    // has; the bar reaches its maximum only at the very end.
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    const qint64 stepsPerRow = width + 1;
    const qint64 maximum = stepsPerRow * (height + 1);
    if (progress) {
        progress->setValue(0);
        progress->setMaximum(maximum);
    }

    if (!picture.isNull() && picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);

    const QRgb light = 0xFF000000u | static_cast<quint32>(invert ? kBlack : kWhite);
    const QRgb dark = 0xFF000000u | static_cast<quint32>(invert ? kWhite : kBlack);
    for (qint64 y = 0; y < height; ++y) {
        // scanLine() of a picture shared with another QImage would copy it whole; the
        // callers hand over a picture they own alone.
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x) {
            // The alpha byte of RGB32 is no colour: only the three channel bytes count.
            line[x] = isLight(static_cast<qint32>(line[x] & 0xFFFFFFu)) ? light : dark;
        }
        if (progress)
            progress->setValue((y + 1) * stepsPerRow);
        yield.tickNow();
    }

    if (progress) {
        progress->setValue(maximum);
        progress->setValue(0);
    }
}

void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress)
{
    EventYield idle;
    SiyahBeyazYap(picture, invert, progress, idle);
}

}  // namespace pixmint
