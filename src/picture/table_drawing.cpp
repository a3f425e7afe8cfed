#include "table_drawing.h"

#include "hex_digits.h"

#include <cstring>
#include <vector>

namespace pixmint {
namespace {

TableDrawing refused(const QString& problem)
{
    TableDrawing drawing;
    drawing.problem = problem;
    return drawing;
}

}  // namespace

TableDrawing drawTable(const QStringList& table, int width, int scale)
{
    if (width < 1 || width > kMaxDrawingWidth)
        return refused(QStringLiteral("Çizim eni 1 ile %1 arasında olmalı.").arg(kMaxDrawingWidth));
    if (scale < 1 || scale > kMaxDrawingScale)
        return refused(QStringLiteral("Ölçek 1 ile %1 arasında olmalı.").arg(kMaxDrawingScale));
    if (table.isEmpty())
        return refused(QStringLiteral("Tabloda çizilecek sayı yok."));

    const qint64 count = table.size();
    const qint64 pages = (count + width - 1) / width;
    const qint64 height = pages * 8;
    if (height > kMaxDrawingHeight) {
        return refused(QStringLiteral("Çizim en fazla %1 piksel yüksek olabilir; bu tablo %2 "
                                      "sayı eninde %3 piksel tutar.")
                           .arg(kMaxDrawingHeight)
                           .arg(width)
                           .arg(height));
    }
    const qint64 drawnWidth = qint64(width) * scale;
    const qint64 drawnHeight = height * scale;
    if (drawnWidth * drawnHeight > kMaxDrawnPixels) {
        return refused(QStringLiteral("Ölçekli çizim en fazla %1 piksel olabilir; bu çizim "
                                      "%2 × %3 piksel tutar.")
                           .arg(kMaxDrawnPixels)
                           .arg(drawnWidth)
                           .arg(drawnHeight));
    }

    // Every entry is checked before memory is claimed for the picture.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(pages * width), 0);
    for (qint64 i = 0; i < count; ++i) {
        const std::optional<int> value = hexByte(table[i], DigitCase::Any);
        if (!value) {
            return refused(QStringLiteral("Girdi %1 (\"%2\") 00 ile FF arasında onaltılık bir "
                                          "sayı değil.")
                               .arg(i)
                               .arg(table[i]));
        }
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*value);
    }

    QImage picture(static_cast<int>(drawnWidth), static_cast<int>(drawnHeight),
                   QImage::Format_Mono);
    if (picture.isNull())
        return refused(QStringLiteral("Çizim için bellek yetmedi."));
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);

    // Format_Mono holds the leftmost pixel in the highest bit of each byte. Each row of the
    // table is drawn once and copied to the scale − 1 rows below it.
    for (qint64 row = 0; row < height; ++row) {
        const std::uint8_t* page = bytes.data() + (row / 8) * width;
        const int bit = 1 << (row % 8);
        uchar* line = picture.scanLine(static_cast<int>(row * scale));
        for (qint64 x = 0; x < width; ++x) {
            if (!(page[x] & bit))
                continue;
            for (qint64 X = x * scale; X < (x + 1) * scale; ++X)
                line[X >> 3] |= static_cast<uchar>(0x80 >> (X & 7));
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(picture.scanLine(static_cast<int>(row * scale + copy)), line,
                        static_cast<std::size_t>(picture.bytesPerLine()));
        }
    }
    TableDrawing drawing;
    drawing.picture = std::move(picture);
    return drawing;
}

}  // namespace pixmint
