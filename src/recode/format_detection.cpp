#include "format_detection.h"

#include <algorithm>

namespace pixmint {
namespace {

struct RankedMarker {
    const Language* language;
    const DetectionMarker* marker;
};

// Every language's markers in the order they are tried.
const QList<RankedMarker>& rankedMarkers()
{
    static const QList<RankedMarker> markers = [] {
        QList<RankedMarker> list;
        for (const Language& language : languages()) {
            for (const DetectionMarker& marker : language.markers)
                list.append({&language, &marker});
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const RankedMarker& a, const RankedMarker& b) {
                             return a.marker->rank < b.marker->rank;
                         });
        return list;
    }();
    return markers;
}

}  // namespace

DetectedFormat detectedFormat(const QString& text)
{
    // Comments and the path in the first line are searched too: the markers are plain
    // texts, and a file is not parsed before its language is known.
    const QString upper = text.toUpper();
    DetectedFormat found;
    for (const RankedMarker& ranked : rankedMarkers()) {
        if (upper.contains(ranked.marker->text))
            found = {ranked.language, ranked.marker->command};
    }
    return found;
}

NumberFormat withDetectedFormat(NumberFormat current, const QString& text)
{
    const DetectedFormat found = detectedFormat(text);
    const QString language = found.language ? found.language->name : current.language;
    NumberFormat format = withLanguagePresets(std::move(current), language);
    if (found.language && found.command) {
        if (const std::optional<QString> command = found.language->commandFor(*found.command))
            format.command = *command;
    }
    return format;
}

}  // namespace pixmint
