#include "threshold.h"

#include "run_error.h"

#include <limits>

namespace pixmint {

qint32 EşikRengi(qint32 colour, bool invert)
{
    return isLight(colour) != invert ? kWhite : kBlack;
}

std::uint8_t EşikBiti(qint32 colour, bool invert)
{
    return isLight(colour) != invert ? 0 : 1;
}

qint32 SatırGenişliği(qint32 width)
{
    // Computed wide, then checked: 3 × width + 3 must itself fit 32 bits, as the
    // platform field it fills does.
    const qint64 bytes = 3 * static_cast<qint64>(width) + 3;
    if (bytes > std::numeric_limits<qint32>::max() || bytes < std::numeric_limits<qint32>::min())
        throw RunError(Overflow);
    return static_cast<qint32>(bytes & ~qint64{3});
}

}  // namespace pixmint
