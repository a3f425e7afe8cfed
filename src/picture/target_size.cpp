#include "target_size.h"

#include "number_reading.h"

namespace pixmint {

std::optional<QString> targetSizeProblem(qint64 width, qint64 height)
{
    const bool sidesFit =
        width >= 1 && width <= kMaxTargetSide && height >= 1 && height <= kMaxTargetSide;
    if (sidesFit && width * height <= kMaxTargetPixels)
        return std::nullopt;
    return QStringLiteral(
               "En ve yükseklik 1 ile %1 arasında olmalı; en × yükseklik en fazla %2 piksel "
               "olabilir.")
        .arg(kMaxTargetSide)
        .arg(kMaxTargetPixels);
}

Checked<TargetSize> readTargetSize(const QString& widthText, const QString& heightText)
{
    const qint64 width = leadingNumber(widthText);
    const qint64 height = leadingNumber(heightText);
    if (const std::optional<QString> problem = targetSizeProblem(width, height))
        return Checked<TargetSize>::failed(*problem);
    return TargetSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace pixmint
