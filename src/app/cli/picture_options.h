#pragma once

#include "command.h"
#include "picture_settings.h"

#include <QString>

namespace pixmint::cli {

// The options of the picture settings: --rotate, --mirror, --scaling, --method, --threshold
// and --layout, with the words and defaults of the settings' own tables.
QList<OptionSpec> pictureSettingsOptions();

// The picture settings that the options ask for (the defaults for those not given), or a
// usage error naming the allowed values: a word that names no value, a threshold that is no
// whole number from 0 to 255, a dithering method without --scaling average.
Checked<PictureSettings> pictureSettingsFrom(const CommandLine& line);

// The layout --layout asks for (the page layout when not given), or a usage error.
Checked<ByteLayout> layoutFrom(const CommandLine& line);

}  // namespace pixmint::cli
