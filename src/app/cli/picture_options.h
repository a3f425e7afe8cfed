#pragma once

#include "picture_settings.h"

#include <QString>

namespace pixmint::cli {

struct CliOptions;

// The picture settings that picture's options ask for (--rotate, --mirror, --scaling,
// --method, --threshold, --layout; the defaults for those not given), or a usage error
// naming the allowed values: a word that names no value, a threshold that is no whole
// number from 0 to 255, a dithering method without --scaling average.
struct PictureSettingsOptions {
    PictureSettings settings;
    QString usageError;
};
PictureSettingsOptions pictureSettingsFrom(const CliOptions& options);

// The layout render's --layout asks for (the page layout when not given), or a usage error.
struct LayoutOption {
    ByteLayout layout = ByteLayout::PagesLsbTop;
    QString usageError;
};
LayoutOption layoutFrom(const CliOptions& options);

}  // namespace pixmint::cli
