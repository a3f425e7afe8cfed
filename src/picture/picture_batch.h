#pragma once

#include "picture_road.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pixmint {

class EventYield;

// Delivers the pictures of one file in turn, as PictureFrames::next does: a null image for
// one that cannot be read, nothing after the last.
using FrameSource = std::function<std::optional<QImage>()>;
// Opens the pictures of a file: every frame with everyFrame, else the first alone.
using FrameOpener = std::function<FrameSource(const QString& path, bool everyFrame)>;

// The pictures of the file itself, through PictureFrames.
FrameSource openPictureFrames(const QString& path, bool everyFrame);

// What pixmint-cli picture asks of one picture or several.
struct PictureBatchRequest {
    QStringList paths;        // in the order given; none is the road's "no picture loaded"
    QString name;             // the table name of a single picture; empty: from its file name
    bool everyFrame = false;  // one table for every frame of each picture
    PictureRoadRequest road;  // size, inversion, settings and format of every picture
};

// What the batch made. When failure is set, nothing else is.
struct PictureBatchOutcome {
    QString failure;              // shown under the title "Hata"
    QString text;                 // every table's code text, an empty line between two
    bool incompleteLine = false;  // some table took the layout's incomplete-line path
    QImage target;                // the target picture of the last table
};

// Runs the picture road on every picture of every file in the order given, and joins their
// code texts (each ending in CR LF) with an empty line (CR LF) between them. One picture
// without a name and without everyFrame gives the road's text unchanged. Otherwise every
// table is named (see codeTextFor): by request.name, or the identifier of its file name
// (tableIdentifier); with everyFrame frame i of a picture named N is "N_i".
// The checks come in the road's order for the first picture (a picture given, the size,
// the picture itself, the language, the numbers per line), then the road's checks for each
// further picture and frame in turn; a picture that cannot be read is named in its
// message. Last, two tables may not share a name. The first check that fails stops the
// batch, so nothing is made unless every picture converts.
PictureBatchOutcome runPictureBatch(const PictureBatchRequest& request, const FrameOpener& open,
                                    EventYield& yield);

}  // namespace pixmint
