#pragma once

#include "event_yield.h"
#include "monochrome.h"
#include "picture_road.h"

#include <QImage>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace pixmint::testing {

// A picture drawn as text: '#' black, '.' white, 'r' red, 'g' green, 'b' blue; one string
// per row, all rows the same length.
inline QImage drawn(std::initializer_list<const char*> rows,
                    QImage::Format format = QImage::Format_RGB32)
{
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(qstrlen(*rows.begin())) : 0;
    QImage image(width, height, QImage::Format_RGB32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) {
            QRgb colour = qRgb(255, 255, 255);
            switch (row[x]) {
            case '#':
                colour = qRgb(0, 0, 0);
                break;
            case 'r':
                colour = qRgb(255, 0, 0);
                break;
            case 'g':
                colour = qRgb(0, 255, 0);
                break;
            case 'b':
                colour = qRgb(0, 0, 255);
                break;
            default:
                break;
            }
            image.setPixel(x, y, colour);
        }
        ++y;
    }
    return image.convertToFormat(format);
}

// The picture written back as text: '#' for a dark pixel, '.' for a light one.
inline QStringList asText(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += qRed(p) + qGreen(p) + qBlue(p) >= 384 ? u'.' : u'#';
        }
        rows << row;
    }
    return rows;
}

inline QStringList textRows(std::initializer_list<const char*> rows)
{
    QStringList list;
    for (const char* row : rows)
        list << QString::fromLatin1(row);
    return list;
}

// A picture of pseudo-random colours (a fixed linear congruential sequence).
inline QImage noise(int width, int height, quint32 seed = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = 0xFF000000u | (seed >> 8);
        }
    }
    return image;
}

// Records what the progress bar is told, in order; a maximum is recorded negated.
class RecordingProgress : public ProgressSink {
public:
    void setMaximum(qint64 maximum) override { events.push_back(-maximum); }
    void setValue(qint64 value) override { events.push_back(value); }
    std::vector<qint64> events;
};

// The picture road on a decoded picture, with the given size and the default code format.
inline PictureRoadOutcome convertedPicture(const QImage& picture, int width, int height,
                                           bool invert, const PictureSettings& settings = {})
{
    PictureRoadRequest request;
    request.settings = settings;
    request.path = QStringLiteral("picture.png");
    request.target = TargetSize{width, height};
    request.invert = invert;
    EventYield idle;
    return runPictureRoad(
        request, [&picture] { return picture; }, nullptr, idle);
}

}  // namespace pixmint::testing
