#include "byte_layout.h"

#include "event_yield.h"
#include "hex_digits.h"
#include "run_error.h"

namespace pixmint {

const QList<LayoutRecord>& layoutRecords()
{
    static const QList<LayoutRecord> records = {
        {ByteLayout::PagesLsbTop, QStringLiteral("pages-lsb-top"),
         QStringLiteral("Sayfa, bit 0 üstte (KS0108, SSD1306, ST7565)")},
        {ByteLayout::PagesMsbTop, QStringLiteral("pages-msb-top"),
         QStringLiteral("Sayfa, bit 7 üstte")},
        {ByteLayout::RowsMsbLeft, QStringLiteral("rows-msb-left"),
         QStringLiteral("Satır, bit 7 solda (ST7920, Adafruit GFX)")},
        {ByteLayout::RowsLsbLeft, QStringLiteral("rows-lsb-left"),
         QStringLiteral("Satır, bit 0 solda (XBM, u8g2)")},
    };
    return records;
}

const LayoutRecord& layoutRecord(ByteLayout layout)
{
    for (const LayoutRecord& record : layoutRecords()) {
        if (record.layout == layout)
            return record;
    }
    return layoutRecords().front();
}

QString layoutExplanation(ByteLayout layout, int width, int height)
{
    const QString legend = QStringLiteral(
        "Her kare bir piksel, içindeki sayı bit numarası; kalın çerçeve bir bayt, yanındaki "
        "sayı tablodaki sırası (0 ilk bayt).\n\n");
    // The bit of the first pixel of a byte: the top one of a page, the left one of a row.
    const QString firstBit = QStringLiteral("bit %1").arg(bitPlace(layout, width, 0, 0).bit);
    QString text;
    if (isRowLayout(layout)) {
        text = QStringLiteral(
                   "Her bayt bir satırın yan yana 8 pikselidir, %1 en solda. Her "
                   "satır %2 bayttır; baytlar soldan sağa, satırlar yukarıdan "
                   "aşağıya gider.")
                   .arg(firstBit)
                   .arg(entryCount(layout, width, 1));
        if (width % 8)
            text +=
                QStringLiteral(" Satırın son baytında resmin sağında kalan bitler (gri) 0'dır.");
    } else {
        text = QStringLiteral(
                   "Her bayt 8 piksellik bir sütundur, %1 en üstte. Baytlar soldan "
                   "sağa gider; %2 bayttan sonra 8 satır aşağıdaki sayfaya geçilir.")
                   .arg(firstBit)
                   .arg(width);
        if (height % 8)
            text += QStringLiteral(" Son sayfada resmin altında kalan bitler (gri) 0'dır.");
    }
    return legend + text;
}

qint64 entryCount(ByteLayout layout, int width, int height)
{
    if (isRowLayout(layout))
        return (qint64(width) + 7) / 8 * height;
    return qint64(width) * ((qint64(height) + 7) / 8);
}

Bytes packedBytes(const PixelGrid& grid, ByteLayout layout, EventYield& yield)
{
    const int width = grid.width();
    Bytes bytes(static_cast<std::size_t>(entryCount(layout, width, grid.height())), 0);
    for (int y = 0; y < grid.height(); ++y) {
        const std::uint8_t* cells = grid.row(y);
        for (int x = 0; x < width; ++x) {
            if (cells[x]) {
                const BitPlace place = bitPlace(layout, width, x, y);
                bytes[static_cast<std::size_t>(place.entry)] |=
                    static_cast<std::uint8_t>(1U << place.bit);
            }
            yield.tick();
        }
    }
    return bytes;
}

Bytes packedBytes(const PixelGrid& grid, ByteLayout layout)
{
    EventYield none;
    return packedBytes(grid, layout, none);
}

QStringList twoDigitTexts(const Bytes& bytes)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(bytes.size()));
    for (const std::uint8_t value : bytes)
        texts.append(twoHexDigits(value));
    return texts;
}

void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table, EventYield& yield)
{
    if (grid.isEmpty())
        throw RunError(IndexOutOfRange);
    table = twoDigitTexts(packedBytes(grid, layout, yield));
}

void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table)
{
    EventYield none;
    packBytes(grid, layout, table, none);
}

qint64 unpackedHeight(qint64 count, int width, ByteLayout layout)
{
    const qint64 perBand = entryCount(layout, width, isRowLayout(layout) ? 1 : 8);
    return (count + perBand - 1) / perBand * (isRowLayout(layout) ? 1 : 8);
}

void unpackRow(const std::uint8_t* bytes, qint64 count, int width, ByteLayout layout, qint64 y,
               std::uint8_t* cells)
{
    for (int x = 0; x < width; ++x) {
        const BitPlace place = bitPlace(layout, width, x, static_cast<int>(y));
        const int value = place.entry < count ? bytes[place.entry] : 0;
        cells[x] = static_cast<std::uint8_t>((value >> place.bit) & 1);
    }
}

PixelGrid unpackedGrid(const Bytes& bytes, int width, ByteLayout layout, int height)
{
    const auto count = static_cast<qint64>(bytes.size());
    if (height < 0)
        height = static_cast<int>(unpackedHeight(count, width, layout));
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        unpackRow(bytes.data(), count, width, layout, y, grid.row(y));
    return grid;
}

}  // namespace pixmint
