#pragma once

#include "picture_settings.h"

#include <QImage>
#include <QString>

namespace pixmint {

// The most pixels the preview's copy of a picture holds: the whole road runs on it at every
// change of a setting, so it must stay small, yet large enough for targets of a few hundred
// pixels a side to come out as the full picture would give them.
constexpr qint64 kPreviewPixels = 1 << 20;

// The loaded picture as the live preview of the picture settings needs it. A picture of up
// to kPreviewPixels is kept whole; a larger one is cut into blocks of factor × factor
// pixels (smaller at the right and bottom edges), each of which becomes one pixel, so that
// a 12-megapixel photo takes 2 MB instead of 48. Only grey levels are kept, L = (R + G + B)
// div 3 as the road reads them, since the road reads nothing else.
struct PreviewSource {
    QString path;     // the picture file, named in the preview's code text
    QImage averaged;  // Format_Grayscale8: the rounded mean level of each block
    QImage darkest;   // Format_Grayscale8: the darkest level of each block
    int factor = 1;

    bool isNull() const { return averaged.isNull(); }
    // The copy for the scaling, as an RGB32 picture for the road. Average scaling averages
    // the block means again; black-wins scaling keeps a pixel light only when every pixel
    // it covers is light, which the darkest level of each block tells exactly.
    QImage pictureFor(Scaling scaling) const;
};

// The preview's copy of a decoded picture (any format; a null picture gives a null copy).
// Safe to run on any thread.
PreviewSource reducedForPreview(const QImage& picture, const QString& path,
                                qint64 maxPixels = kPreviewPixels);

}  // namespace pixmint
