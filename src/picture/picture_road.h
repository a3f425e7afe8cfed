#pragma once

#include "code_layout.h"
#include "number_format.h"
#include "picture_settings.h"
#include "pixel_grid.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pixmint {

class EventYield;
class ProgressSink;

// The largest target the program makes.
constexpr qint64 kMaxTargetSide = 16384;
constexpr qint64 kMaxTargetPixels = 16'777'216;

// Nothing when width and height are within the limits; else the message to show.
std::optional<QString> targetSizeProblem(qint64 width, qint64 height);

// What "Dönüştür" and pixmint-cli picture ask of a picture.
struct PictureRoadRequest {
    QString path;  // the picture file, named in the comment line; empty: none was loaded
    QString widthText = QStringLiteral("128");  // read as the size boxes are read
    QString heightText = QStringLiteral("64");
    bool invert = false;  // "Resmi Tersle"
    PictureSettings settings;
    NumberFormat format = presetFormat(QStringLiteral("Asm"));
    QString tableName;  // names the table (see codeTextFor); empty: the format's own text
};

// What the road made. When failure is set, a check before the conversion failed and
// nothing else is set.
struct PictureRoadOutcome {
    QString failure;  // shown under the title "Hata"
    QImage work;      // the picture at its own size, turned black and white
    QImage target;    // width × height, black and white
    PixelGrid grid;
    QStringList table;     // the page bytes of the grid
    CodeTextOutcome code;  // the code text, or the message of its own checks
};

// Decodes the picture when the road needs it; a null image for a picture that cannot be
// read.
using PictureDecoder = std::function<QImage()>;

// The road of "Dönüştür" (with invert, "Resmi Tersle"), for the window and the tool alike.
// The checks come in the order a person meets them: a picture must have been loaded, the
// size must pass targetSizeProblem, and only then is the picture decoded (a wrong size is
// reported before any file is read); it must decode. Then the picture is turned black and
// white in place (inverted with invert), stretched by the black-wins rule to the size, read
// into the grid, packed into page bytes and laid out as code text, whose language and
// numbers per line are checked last. Progress goes to progress (may be null); the yield
// ticks throughout.
PictureRoadOutcome runPictureRoad(const PictureRoadRequest& request, const PictureDecoder& decode,
                                  ProgressSink* progress, EventYield& yield);

}  // namespace pixmint
