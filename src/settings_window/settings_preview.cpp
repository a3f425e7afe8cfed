#include "settings_preview.h"

#include "event_yield.h"
#include "picture_road.h"
#include "preview_source.h"
#include "run_error.h"
#include "table_drawing.h"

#include <algorithm>

namespace pixmint {
namespace {

// The largest target previewed: the road runs at every change of a setting.
constexpr qint64 kMaxPreviewPixels = qint64{1024} * 1024;

SettingsPreview noPicture(const QString& note)
{
    SettingsPreview preview;
    preview.note = note;
    return preview;
}

// The colours of a clear and of a set bit: the glass of the chosen module (black on white
// without one), a set bit light when the polarity is Lit.
QList<QRgb> bitColours(const PictureSettings& settings)
{
    const DisplayPreset* preset = displayPresetNamed(settings.display);
    const ScreenColours glass = screenColours(preset ? preset->screen : Screen::Paper);
    if (settings.polarity == Polarity::Lit)
        return {glass.dark, glass.light};
    return {glass.light, glass.dark};
}

// The drawn table at the target size, enlarged or shrunk to the area, in the module's colours.
SettingsPreview fitted(const Bytes& bytes, QSize target, const PictureSettings& settings,
                       QSize area)
{
    const int factor =
        std::clamp(std::min(area.width() / target.width(), area.height() / target.height()), 1,
                   kMaxDrawingScale);
    Checked<QImage> drawing = drawTable(bytes, target.width(), factor, settings.layout);
    if (!drawing.ok())
        return noPicture(drawing.failure());
    drawing.value().setColorTable(bitColours(settings));
    SettingsPreview preview;
    // A page layout draws whole pages: the rows below the picture are cut off.
    preview.picture = drawing->copy(0, 0, target.width() * factor, target.height() * factor);
    const QString size = QStringLiteral("%1 × %2 piksel").arg(target.width()).arg(target.height());
    if (preview.picture.width() > area.width() || preview.picture.height() > area.height()) {
        preview.picture = preview.picture.scaled(area, Qt::KeepAspectRatio, Qt::FastTransformation);
        preview.note = size + QStringLiteral(", sığması için küçültülmüş");
    } else {
        preview.note = size + QStringLiteral(", %1 kat büyütülmüş").arg(factor);
    }
    return preview;
}

}  // namespace

SettingsPreview makeSettingsPreview(const PreviewSource& source, const PictureSettings& settings,
                                    const Checked<TargetSize>& target, QSize area)
{
    if (source.isNull())
        return noPicture(QStringLiteral("Önizleme için ana pencerede bir resim yükleyin."));
    // The road answers a size out of bounds with its message; within them, the preview is
    // kept to sizes it draws at once.
    if (target.ok() && qint64(target->width) * target->height > kMaxPreviewPixels) {
        return noPicture(QStringLiteral("Önizleme en fazla %1 piksellik hedefler için çizilir "
                                        "(örneğin 1024 × 1024).")
                             .arg(kMaxPreviewPixels));
    }
    PictureRoadRequest request;
    request.path = source.path;
    request.target = target;
    request.settings = settings;
    EventYield none;
    try {
        const PictureRoadOutcome outcome = runPictureRoad(
            request, [&] { return source.pictureFor(settings.scaling); }, nullptr, none);
        if (!outcome.failure.isEmpty())
            return noPicture(outcome.failure);
        return fitted(outcome.bytes, outcome.target.size(), settings, area);
    } catch (const RunError& error) {
        return noPicture(error.description());
    }
}

}  // namespace pixmint
