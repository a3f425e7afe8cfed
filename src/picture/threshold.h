#pragma once

#include <QtGlobal>

#include <cstdint>

namespace pixmint {

// Colour values as the drawing layer hands them over: the three low bytes are the colour
// channels (their order does not matter here), the top byte is 0 for an ordinary colour.
// A pixel that cannot be read has all 32 bits set.
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kBlack = 0;
constexpr qint32 kInvalidColour = -1;

// The grey level above which a colour is light unless another threshold is chosen.
constexpr int kDefaultThreshold = 127;

// The grey level of a colour, L = (R + G + B) div 3, 0 to 255: the one rule of every road.
// The three low bytes are the channels (a QRgb as well as the drawing layer's colours); the
// top byte, alpha or 0, plays no part.
constexpr int greyLevel(quint32 colour)
{
    return static_cast<int>(((colour & 0xFF) + ((colour >> 8) & 0xFF) + ((colour >> 16) & 0xFF)) /
                            3);
}

// Light when the grey level is above the threshold (for 127: sum ≥ 384).
inline bool isLight(qint32 colour, int threshold = kDefaultThreshold)
{
    return greyLevel(static_cast<quint32>(colour)) > threshold;
}

// The bit of a colour: dark gives 1, light 0; swapped when inverting. PikselleriOku reads
// the grid with it.
std::uint8_t EşikBiti(qint32 colour, bool invert);

// The design's procedures of this layer that the roads do not call, under their own names:
// the roads decide light and dark with isLight and EşikBiti, and write pictures through Qt.

// Black or white for a colour: light gives white, dark black; swapped when inverting.
qint32 EşikRengi(qint32 colour, bool invert);
// The byte length of a row of a 24-bit bitmap of the given width, rounded up to a multiple
// of 4. Throws RunError 6 when it does not fit 32 bits.
qint32 SatırGenişliği(qint32 width);

}  // namespace pixmint
