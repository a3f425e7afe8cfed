#pragma once

#include <QString>

#include <optional>

namespace pixmint {

// Reads a typed whole number: blanks at either end ignored, an optional sign, digits, an
// optional fraction after "." or "," rounded half to even (12.5 gives 12, 13.5 gives 14).
// Nothing for any other text or for a value outside the signed 32-bit range.
std::optional<int> readWholeNumber(const QString& text);

// The number a text starts with, as a size box is read: leading blanks skipped, an
// optional sign, digits; reading stops at the first other character, a fraction is
// dropped, and no digits read as 0. Values beyond the 64-bit range are clamped.
qint64 leadingNumber(const QString& text);

// A whole number written plainly: blanks at either end ignored, an optional sign, digits and
// nothing else; nothing for any other text or a value outside the signed 32-bit range. The
// one reader of pixmint-cli's number options (the picture's size is read as the window
// reads its boxes, by leadingNumber).
std::optional<int> plainWholeNumber(const QString& text);

}  // namespace pixmint
