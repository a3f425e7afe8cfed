#pragma once

#include "byte_layout.h"
#include "display_presets.h"

#include <QList>
#include <QString>

#include <optional>

namespace pixmint {

// Clockwise quarter turns.
enum class Rotation { None, Quarter, Half, ThreeQuarters };
// How the picture comes to the target size.
enum class Scaling { BlackWins, Average };
// How grey levels become black and white.
enum class Method { Threshold, Otsu, FloydSteinberg, Atkinson, Bayer };

// How a picture becomes black-and-white pixels and bytes: the window of picture settings
// edits it, pixmint-cli fills it from its options, and "Dönüştür" and "Resmi Tersle" read
// it when they run. The defaults give the road the program always had.
struct PictureSettings {
    Rotation rotation = Rotation::None;
    bool mirror = false;  // left and right exchanged, after the rotation
    Scaling scaling = Scaling::BlackWins;
    Method method = Method::Threshold;
    int threshold = 127;  // 0 to 255: a level above it is light
    ByteLayout layout = ByteLayout::PagesLsbTop;
    // What a set bit shows: Lit exchanges the converted grid dark for light just before
    // packing; "Resmi Tersle" still inverts where the method decides.
    Polarity polarity = Polarity::Dark;
    // The --display name of the "Ekran" preset the size, layout and polarity came from; empty:
    // "Özel". A library call's preset ends a C or Arduino text with the call.
    QString display;

    bool operator==(const PictureSettings&) const = default;
    bool isDefault() const { return *this == PictureSettings{}; }
};

// The dithering methods spread the error over neighbours, which only means something once the
// picture has its target size: they need average scaling.
bool needsAverageScaling(Method method);

// One value of a setting: the word of the tool's option and the text of the window's list.
template <typename T>
struct Choice {
    T value;
    QString option;
    QString text;
};

// The values of each setting, in the order the window's lists show them.
const QList<Choice<Rotation>>& rotationChoices();
const QList<Choice<Scaling>>& scalingChoices();
const QList<Choice<Method>>& methodChoices();
const QList<Choice<ByteLayout>>& layoutChoices();
const QList<Choice<Polarity>>& polarityChoices();

// The value an option word names, or nothing.
template <typename T>
std::optional<T> choiceNamed(const QList<Choice<T>>& choices, const QString& option)
{
    for (const Choice<T>& choice : choices) {
        if (choice.option == option)
            return choice.value;
    }
    return std::nullopt;
}

}  // namespace pixmint
