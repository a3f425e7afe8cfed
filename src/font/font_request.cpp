#include "font_request.h"

#include <QFileInfo>

#include <algorithm>

namespace pixmint {

const QList<FontFormatRecord>& fontFormatRecords()
{
    static const QList<FontFormatRecord> records = {
        {FontFormat::Cells, QStringLiteral("cells"), QStringLiteral("Sabit genişlik")},
        {FontFormat::Widths, QStringLiteral("widths"), QStringLiteral("Orantılı")},
        {FontFormat::Gfx, QStringLiteral("gfx"), QStringLiteral("Adafruit GFX")},
    };
    return records;
}

const QList<CharsetRecord>& charsetRecords()
{
    static const QList<CharsetRecord> records = {
        {Charset::Ascii, QStringLiteral("ascii"), QStringLiteral("ASCII")},
        {Charset::Latin1, QStringLiteral("latin1"), QStringLiteral("Latin-1")},
        {Charset::Windows1254, QStringLiteral("cp1254"), QStringLiteral("Türkçe (Windows-1254)")},
    };
    return records;
}

const QStringList& includeFontPatterns()
{
    static const QStringList patterns = {
        QStringLiteral("*.H"),   QStringLiteral("*.HPP"), QStringLiteral("*.INC"),
        QStringLiteral("*.C"),   QStringLiteral("*.CPP"), QStringLiteral("*.INO"),
        QStringLiteral("*.ASM"), QStringLiteral("*.BAS"), QStringLiteral("*.JAL"),
        QStringLiteral("*.PY"),  QStringLiteral("*.RS"),  QStringLiteral("*.ZIG"),
        QStringLiteral("*.PAS"),
    };
    return patterns;
}

bool isIncludeFontFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return std::any_of(includeFontPatterns().cbegin(), includeFontPatterns().cend(),
                       [&](const QString& pattern) {
                           return name.endsWith(pattern.sliced(1), Qt::CaseInsensitive);
                       });
}

}  // namespace pixmint
