#include "monochrome.h"

#include "event_yield.h"
#include "threshold.h"

namespace pixmint {

RowProgress::RowProgress(ProgressSink* sink, qint64 width, qint64 height)
    : m_sink(sink), m_stepsPerRow(width + 1), m_maximum((width + 1) * (height + 1))
{
    // The step count covers one row and one column more than the picture has; the bar
    // reaches its maximum only at the very end.
    if (m_sink) {
        m_sink->setValue(0);
        m_sink->setMaximum(m_maximum);
    }
}

void RowProgress::rowDone(qint64 y)
{
    if (m_sink)
        m_sink->setValue((y + 1) * m_stepsPerRow);
}

void RowProgress::finish()
{
    if (m_sink) {
        m_sink->setValue(m_maximum);
        m_sink->setValue(0);
    }
}

void SiyahBeyazYap(QImage& picture, bool invert, int threshold, ProgressSink* progress,
                   EventYield& yield)
{
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    RowProgress rows(progress, width, height);
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
            line[x] = isLight(static_cast<qint32>(line[x] & 0xFFFFFFu), threshold) ? light : dark;
        }
        rows.rowDone(y);
        yield.tickNow();
    }
    rows.finish();
}

void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress, EventYield& yield)
{
    SiyahBeyazYap(picture, invert, kDefaultThreshold, progress, yield);
}

void SiyahBeyazYap(QImage& picture, bool invert, ProgressSink* progress)
{
    EventYield idle;
    SiyahBeyazYap(picture, invert, progress, idle);
}

}  // namespace pixmint
