#pragma once

#include "code_layout.h"
#include "number_format.h"
#include "picture_settings.h"
#include "pixel_grid.h"
#include "target_size.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pixmint {

class EventYield;
class ProgressSink;

// What "Dönüştür" and pixmint-cli picture ask of a picture.
struct PictureRoadRequest {
    QString path;  // the picture file, named in the comment line; empty: none was loaded
    Checked<TargetSize> target = TargetSize{};  // read at the edge, reported in its turn
    bool invert = false;                        // "Resmi Tersle"
    PictureSettings settings;
    // "Çerçeveye Sığdır" of the target. Unticked, average scaling cuts the picture at the
    // target size from its top-left corner instead of scaling it (the rest of the target
    // stays light); black-wins scaling always stretches the picture to the target size.
    bool fit = true;
    // The number format, read at the edge; its failure is reported in its turn.
    Checked<TextFormat> format = readTextFormat(presetFormat(languages().front().name));
    QString tableName;  // names the table (see codeTextFor); empty: the format's own text
};

// What the road made. When failure is set, a check before the conversion failed and
// nothing else is set.
struct PictureRoadOutcome {
    QString failure;  // shown under the title "Hata"
    // The picture at its own size after rotation and mirror: with black-wins scaling turned
    // black and white (inverted with invert); with average scaling, which decides black and
    // white only at the target size, in its colours as the averaging read it.
    QImage work;
    QImage target;         // width × height, black and white
    PixelGrid grid;        // the picture as it looks: 1 = dark, whatever the polarity
    Bytes bytes;           // the grid packed as displayTable packs it
    CodeTextOutcome code;  // the code text, or the message of its own checks
};

// The table of a converted grid (1 = dark) with the settings: exchanged dark for light
// when the polarity is Lit, then packed in the layout; bits past the grid stay 0. The road
// packs with it, and so does whatever else turns a grid into the table (the editor).
Bytes displayTable(const PixelGrid& grid, const PictureSettings& settings, EventYield& yield);
Bytes displayTable(const PixelGrid& grid, const PictureSettings& settings);

// With C or Arduino and a library call's preset in the settings, the comment line of the
// call (libraryCallComment) for the table of that name and size, ending in CR LF; empty
// otherwise. The table's name is tableName, or without one the name the format's command
// gives the array ("resim[]=": resim).
QString libraryCallLine(const TextFormat& format, const PictureSettings& settings, QSize size,
                        const QString& tableName);

// Decodes the picture when the road needs it; a null image for a picture that cannot be
// read.
using PictureDecoder = std::function<QImage()>;

// The road of "Dönüştür" (with invert, "Resmi Tersle"), for the window and the tool alike.
// The checks come in the order a person meets them: a picture must have been loaded, the
// size must pass targetSizeProblem, and only then is the picture decoded (a wrong size is
// reported before any file is read); it must decode. Then the picture is turned and mirrored
// as the settings say and comes to the target size black and white:
//  - black-wins scaling: turned black and white at its own size, a pixel light when its grey
//    level is above the threshold (Otsu's threshold of its levels with the method otsu; the
//    dithering methods, which need the target size, count as threshold), inverted with
//    invert, then stretched by the black-wins rule;
//  - average scaling: its grey levels averaged over the areas of the target pixels (or cut
//    at the target size when fit is unset), then the method decides black and white,
//    inverted afterwards with invert.
// The target is read into the grid, packed by displayTable and laid out as code text, whose
// language and numbers per line are checked last; the text ends with libraryCallLine.
// Progress (may be null) follows the pass over the picture at its own size; the yield ticks
// throughout.
PictureRoadOutcome runPictureRoad(const PictureRoadRequest& request, const PictureDecoder& decode,
                                  ProgressSink* progress, EventYield& yield);

// An edited picture made the converted one ("Uygula" of the editor opened from the main
// window): the outcome a conversion that gave this grid would have, its target the grid's
// black-and-white picture, its bytes displayTable's and its code text laid out with the
// request's format; the work picture stays null and the request's path and size are not
// checked. A grid without pixels fails as a conversion to that size would.
PictureRoadOutcome editedPictureOutcome(const PixelGrid& grid, const PictureRoadRequest& request,
                                        EventYield& yield);

}  // namespace pixmint
