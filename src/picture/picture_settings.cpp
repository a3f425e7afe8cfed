#include "picture_settings.h"

namespace pixmint {

bool needsAverageScaling(Method method)
{
    return method == Method::FloydSteinberg || method == Method::Atkinson ||
           method == Method::Bayer;
}

const QList<Choice<Rotation>>& rotationChoices()
{
    // The quarter turns in order: the option is the angle, the window shows it in degrees.
    static const QList<Choice<Rotation>> choices = [] {
        QList<Choice<Rotation>> list;
        for (int quarter = 0; quarter < 4; ++quarter) {
            const QString angle = QString::number(quarter * 90);
            list.append({static_cast<Rotation>(quarter), angle, angle + QStringLiteral("°")});
        }
        return list;
    }();
    return choices;
}

const QList<Choice<Scaling>>& scalingChoices()
{
    static const QList<Choice<Scaling>> choices = {
        {Scaling::BlackWins, QStringLiteral("black-wins"),
         QStringLiteral("Siyah kazanır (çizimler)")},
        {Scaling::Average, QStringLiteral("average"), QStringLiteral("Ortalama (fotoğraflar)")},
    };
    return choices;
}

const QList<Choice<Method>>& methodChoices()
{
    static const QList<Choice<Method>> choices = {
        {Method::Threshold, QStringLiteral("threshold"), QStringLiteral("Eşik")},
        {Method::Otsu, QStringLiteral("otsu"), QStringLiteral("Otomatik eşik")},
        {Method::FloydSteinberg, QStringLiteral("floyd-steinberg"),
         QStringLiteral("Floyd–Steinberg")},
        {Method::Atkinson, QStringLiteral("atkinson"), QStringLiteral("Atkinson")},
        {Method::Bayer, QStringLiteral("bayer"), QStringLiteral("Bayer 8×8")},
    };
    return choices;
}

const QList<Choice<ByteLayout>>& layoutChoices()
{
    static const QList<Choice<ByteLayout>> choices = [] {
        QList<Choice<ByteLayout>> list;
        for (const LayoutRecord& record : layoutRecords())
            list.append({record.layout, record.option, record.text});
        return list;
    }();
    return choices;
}

const QList<Choice<Polarity>>& polarityChoices()
{
    static const QList<Choice<Polarity>> choices = {
        {Polarity::Dark, QStringLiteral("dark"),
         QStringLiteral("Koyu: 1 olan bit koyu nokta (LCD)")},
        {Polarity::Lit, QStringLiteral("lit"),
         QStringLiteral("Aydınlık: 1 olan bit yanan nokta (OLED, e-kağıt)")},
    };
    return choices;
}

}  // namespace pixmint
