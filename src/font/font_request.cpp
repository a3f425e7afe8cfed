#include "font_request.h"

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

}  // namespace pixmint
