#include "picture_batch.h"

#include "picture_loading.h"
#include "table_naming.h"

#include <QHash>

#include <memory>

namespace pixmint {
namespace {

// The tables made so far, with the file each came from.
struct Tables {
    QStringList texts;
    QStringList names;
    QStringList paths;
    bool incompleteLine = false;
    QImage target;
};

// The message of two tables with one name, or nothing.
QString repeatedNameProblem(const Tables& tables)
{
    QHash<QString, qsizetype> first;
    for (qsizetype i = 0; i < tables.names.size(); ++i) {
        const auto seen = first.constFind(tables.names[i]);
        if (seen != first.cend()) {
            return QStringLiteral("İki tablo aynı adı alıyor: \"%1\" (%2 ve %3).")
                .arg(tables.names[i], tables.paths[seen.value()], tables.paths[i]);
        }
        first.insert(tables.names[i], i);
    }
    return {};
}

// Runs the road on the pictures of one file and adds their tables; returns the message of
// the first check that fails, or nothing. The table name is empty for a single unnamed
// picture.
QString addFile(const PictureBatchRequest& request, const QString& path, const QString& name,
                const FrameOpener& open, EventYield& yield, Tables& tables)
{
    const FrameSource frames = open(path, request.everyFrame);
    PictureRoadRequest road = request.road;
    road.path = path;
    for (int index = 0;; ++index) {
        std::optional<QImage> frame;
        const PictureDecoder decode = [&] {
            frame = frames();
            return frame.value_or(QImage());
        };
        road.tableName = request.everyFrame ? frameTableName(name, index) : name;
        const PictureRoadOutcome outcome = runPictureRoad(road, decode, nullptr, yield);
        if (index > 0 && !frame)
            return {};  // the last frame was done
        const QString& failure = outcome.failure.isEmpty() ? outcome.code.failure : outcome.failure;
        if (!failure.isEmpty())
            return failure;
        tables.texts << outcome.code.code.text;
        tables.names << road.tableName;
        tables.paths << path;
        tables.incompleteLine = tables.incompleteLine || outcome.code.code.incompleteLine;
        tables.target = outcome.target;
        if (!request.everyFrame)
            return {};
    }
}

}  // namespace

FrameSource openPictureFrames(const QString& path, bool everyFrame)
{
    auto frames = std::make_shared<PictureFrames>(path, everyFrame);
    return [frames] { return frames->next(); };
}

PictureBatchOutcome runPictureBatch(const PictureBatchRequest& request, const FrameOpener& open,
                                    EventYield& yield)
{
    const QStringList paths = request.paths.isEmpty() ? QStringList{QString()} : request.paths;
    const bool named = paths.size() > 1 || !request.name.isEmpty() || request.everyFrame;
    Tables tables;
    PictureBatchOutcome outcome;
    for (const QString& path : paths) {
        const QString name = !named                   ? QString()
                             : request.name.isEmpty() ? tableIdentifier(path)
                                                      : request.name;
        outcome.failure = addFile(request, path, name, open, yield, tables);
        if (!outcome.failure.isEmpty())
            return outcome;
    }
    outcome.failure = repeatedNameProblem(tables);
    if (!outcome.failure.isEmpty())
        return outcome;
    outcome.text = tables.texts.join(QStringLiteral("\r\n"));
    outcome.incompleteLine = tables.incompleteLine;
    outcome.target = tables.target;
    return outcome;
}

}  // namespace pixmint
