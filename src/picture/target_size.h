#pragma once

#include "checked.h"

#include <QString>

#include <optional>

namespace pixmint {

// The size a picture is brought to: the display's, 128 × 64 unless the user types another.
struct TargetSize {
    int width = 128;
    int height = 64;
    bool operator==(const TargetSize&) const = default;
};

// The largest target the program makes.
constexpr qint64 kMaxTargetSide = 16384;
constexpr qint64 kMaxTargetPixels = 16'777'216;

// Nothing when width and height are within the limits; else the message to show.
std::optional<QString> targetSizeProblem(qint64 width, qint64 height);

// The size the texts of the size boxes ask for, each read as the number it starts with
// (leadingNumber: "96px" is 96, "abc" is 0), or the message of the limits.
Checked<TargetSize> readTargetSize(const QString& widthText, const QString& heightText);

}  // namespace pixmint
