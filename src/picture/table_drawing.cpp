#include "table_drawing.h"

#include <cstring>
#include <vector>

namespace pixmint {
namespace {

Checked<QImage> refused(const QString& problem)
{
    return Checked<QImage>::failed(problem);
}

// The problem with the sizes of a drawing of height rows, or an empty text.
QString sizeProblem(int width, qint64 height, int scale, ByteLayout layout)
{
    if (height > kMaxDrawingHeight) {
        // In a page layout the width counts entries as well as pixels.
        return QStringLiteral(
                   "Çizim en fazla %1 piksel yüksek olabilir; bu tablo %2 %3 eninde "
                   "%4 piksel tutar.")
            .arg(kMaxDrawingHeight)
            .arg(width)
            .arg(isRowLayout(layout) ? QStringLiteral("piksel") : QStringLiteral("sayı"))
            .arg(height);
    }
    const qint64 drawnWidth = qint64(width) * scale;
    const qint64 drawnHeight = height * scale;
    if (drawnWidth * drawnHeight > kMaxDrawnPixels) {
        return QStringLiteral(
                   "Ölçekli çizim en fazla %1 piksel olabilir; bu çizim "
                   "%2 × %3 piksel tutar.")
            .arg(kMaxDrawnPixels)
            .arg(drawnWidth)
            .arg(drawnHeight);
    }
    return {};
}

// Draws the rows of the bytes, read in the layout, as scale × scale squares.
QImage drawnPicture(const Bytes& bytes, int width, qint64 height, int scale, ByteLayout layout)
{
    QImage picture(width * scale, static_cast<int>(height * scale), QImage::Format_Mono);
    if (picture.isNull())
        return {};
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    // Format_Mono holds the leftmost pixel in the highest bit of each byte. Each row of the
    // table is drawn once and copied to the scale − 1 rows below it.
    std::vector<std::uint8_t> cells(static_cast<std::size_t>(width));
    const auto count = static_cast<qint64>(bytes.size());
    for (qint64 row = 0; row < height; ++row) {
        unpackRow(bytes.data(), count, width, layout, row, cells.data());
        uchar* line = picture.scanLine(static_cast<int>(row * scale));
        for (qint64 x = 0; x < width; ++x) {
            if (!cells[static_cast<std::size_t>(x)])
                continue;
            for (qint64 X = x * scale; X < (x + 1) * scale; ++X)
                line[X >> 3] |= static_cast<uchar>(0x80 >> (X & 7));
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(picture.scanLine(static_cast<int>(row * scale + copy)), line,
                        static_cast<std::size_t>(picture.bytesPerLine()));
        }
    }
    return picture;
}

}  // namespace

Checked<QImage> drawTable(const Bytes& bytes, int width, int scale, ByteLayout layout)
{
    if (width < 1 || width > kMaxDrawingWidth)
        return refused(QStringLiteral("Çizim eni 1 ile %1 arasında olmalı.").arg(kMaxDrawingWidth));
    if (scale < 1 || scale > kMaxDrawingScale)
        return refused(QStringLiteral("Ölçek 1 ile %1 arasında olmalı.").arg(kMaxDrawingScale));
    if (bytes.empty())
        return refused(QStringLiteral("Tabloda çizilecek sayı yok."));
    const qint64 height = unpackedHeight(static_cast<qint64>(bytes.size()), width, layout);
    if (const QString problem = sizeProblem(width, height, scale, layout); !problem.isEmpty())
        return refused(problem);

    QImage picture = drawnPicture(bytes, width, height, scale, layout);
    if (picture.isNull())
        return refused(QStringLiteral("Çizim için bellek yetmedi."));
    return picture;
}

}  // namespace pixmint
