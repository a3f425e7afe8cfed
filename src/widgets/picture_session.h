#pragma once

#include "picture_settings.h"
#include "preview_source.h"
#include "target_size.h"

#include <QObject>
#include <QString>

namespace pixmint {

// What the main window and the window of picture settings share about the picture: the
// settings that "Dönüştür" and "Resmi Tersle" read when they run, the preview's copy of the
// loaded picture, and the target size as typed in the main window. The windows never see
// each other; each tells the other through the signals here. Settings live as long as the
// program runs and are never saved.
class PictureSession : public QObject {
    Q_OBJECT
public:
    const PictureSettings& settings() const { return m_settings; }
    // Emits settingsChanged when the value differs from the one held.
    void setSettings(const PictureSettings& settings);

    const PreviewSource& preview() const { return m_preview; }
    // The copy of a picture just loaded; an empty source when none is loaded.
    void setPreview(PreviewSource preview);

    // The target size the main window's size boxes ask for, read as the road reads them.
    const Checked<TargetSize>& target() const { return m_target; }
    void setTargetSize(const QString& widthText, const QString& heightText);
    // A display preset's size, for the main window's size boxes, which then set the target.
    void askForTargetSize(int width, int height) { Q_EMIT targetSizeAsked(width, height); }

Q_SIGNALS:
    void settingsChanged();
    void pictureChanged();
    void targetChanged();
    void targetSizeAsked(int width, int height);

private:
    PictureSettings m_settings;
    PreviewSource m_preview;
    QString m_widthText;
    QString m_heightText;
    Checked<TargetSize> m_target = TargetSize{};
};

}  // namespace pixmint
