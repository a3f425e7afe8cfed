#pragma once

#include "picture_settings.h"
#include "target_size.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pixmint {

struct PreviewSource;

// The preview of the settings window: the picture road run on the preview's copy of the
// loaded picture, and its table drawn back in the settings' layout.
struct SettingsPreview {
    QImage picture;  // null when there is nothing to show
    QString note;    // the size and scale shown, or why there is no picture
};

// Runs the road with the settings at the typed target size and draws the table back,
// every pixel enlarged by the largest whole factor that fits the area (at least 1); a
// target larger than the area is shrunk to fit, as the note then says. With a display
// preset the picture takes the colours of its glass (an OLED lit on black); a set bit is
// drawn light when the polarity is Lit, so the preview shows what the module shows.
SettingsPreview makeSettingsPreview(const PreviewSource& source, const PictureSettings& settings,
                                    const Checked<TargetSize>& target, QSize area);

}  // namespace pixmint
