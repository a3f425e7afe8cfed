#pragma once

#include "command.h"
#include "common_options.h"
#include "picture_settings.h"

#include <QString>

namespace pixmint::cli {

// The options of the picture settings: --rotate, --mirror, --scaling, --method, --threshold,
// --layout, --display and --polarity, with the words and defaults of the settings' own
// tables.
QList<OptionSpec> pictureSettingsOptions();

// The picture settings that the options ask for (the defaults for those not given), or a
// usage error naming the allowed values: a word that names no value, a threshold that is no
// whole number from 0 to 255, a dithering method without --scaling average, an unknown
// display. --display sets the layout and the polarity unless --layout or --polarity is given.
Checked<PictureSettings> pictureSettingsFrom(const CommandLine& line);

// The layout --layout asks for (the fallback when not given), or a usage error.
Checked<ByteLayout> layoutFrom(const CommandLine& line,
                               ByteLayout fallback = PictureSettings{}.layout);
// The same with the preset's layout as the fallback, when --display names one.
Checked<ByteLayout> layoutFrom(const CommandLine& line, const Checked<DisplayChoice>& display);

}  // namespace pixmint::cli
